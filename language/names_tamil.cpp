#include "language/element_name_tables.h"

// clang-format off
// Tamil: the names as Tamil panchangams (Pambu panchangam, the Vakya
// panchangam) print them: the nakshatras in their Tamil names (திருவாதிரை,
// புனர்பூசம், கேட்டை, திருவோணம்), the fortnights வளர்பிறை and தேய்பிறை, the
// kalams ராகு காலம், எமகண்டம், குளிகை. Nakshatras as astrojuwala.com's list of
// the 27 and infoshanmugaraj.blogspot.com/2022/05 (கிருத்திகை) write them;
// tithis as muthamizhmalar.com's திதிகள் and tnguru.com/2014/02 (15 திதிகளின்
// பெயர்கள்); weekdays as brahminsnet.com's திதிகளின் லக்ஷணங்கள்.
namespace horavela::element_names {

const Table kTamil = {
    // nakshatras
    {{
        "அஸ்வினி",  // Ashwini
        "பரணி",  // Bharani
        "கிருத்திகை",  // Krittika
        "ரோகிணி",  // Rohini
        "மிருகசீரிடம்",  // Mrigasira
        "திருவாதிரை",  // Ardra
        "புனர்பூசம்",  // Punarvasu
        "பூசம்",  // Pushya
        "ஆயில்யம்",  // Ashlesha
        "மகம்",  // Magha
        "பூரம்",  // PoorvaPhalguni
        "உத்திரம்",  // UttaraPhalguni
        "அஸ்தம்",  // Hasta
        "சித்திரை",  // Chitra
        "சுவாதி",  // Swati
        "விசாகம்",  // Vishakha
        "அனுஷம்",  // Anuradha
        "கேட்டை",  // Jyeshtha
        "மூலம்",  // Moola
        "பூராடம்",  // PurvaAshadha
        "உத்திராடம்",  // UttaraAshadha
        "திருவோணம்",  // Shravana
        "அவிட்டம்",  // Dhanistha
        "சதயம்",  // Shatabhisha
        "பூரட்டாதி",  // PoorvaBhadrapada
        "உத்திரட்டாதி",  // UttaraBhadrapada
        "ரேவதி",  // Revati
    }},
    // rashis
    {{
        "மேஷம்",  // Mesha
        "ரிஷபம்",  // Vrishabha
        "மிதுனம்",  // Mithuna
        "கடகம்",  // Kataka
        "சிம்மம்",  // Simha
        "கன்னி",  // Kanya
        "துலாம்",  // Thula
        "விருச்சிகம்",  // Vrischika
        "தனுசு",  // Dhanus
        "மகரம்",  // Makara
        "கும்பம்",  // Kumbha
        "மீனம்",  // Meena
    }},
    // tithis
    {{
        "பிரதமை",  // Pratipada
        "துவிதியை",  // Dwitiya
        "திருதியை",  // Tritiya
        "சதுர்த்தி",  // Chaturthi
        "பஞ்சமி",  // Panchami
        "சஷ்டி",  // Shasthi
        "சப்தமி",  // Saptami
        "அஷ்டமி",  // Ashtami
        "நவமி",  // Navami
        "தசமி",  // Dashami
        "ஏகாதசி",  // Ekadashi
        "துவாதசி",  // Dwadashi
        "திரயோதசி",  // Triyodashi
        "சதுர்த்தசி",  // Chaturdashi
        "பௌர்ணமி",  // Purnima
        "அமாவாசை",  // Amavasya
    }},
    // pakshas
    {{
        "வளர்பிறை",  // Shukla
        "தேய்பிறை",  // Krishna
    }},
    // yogas
    {{
        "விஷ்கம்பம்",  // Vishkambha
        "ப்ரீதி",  // Prithi
        "ஆயுஷ்மான்",  // Ayushman
        "சௌபாக்கியம்",  // Saubhagya
        "சோபனம்",  // Sobhana
        "அதிகண்டம்",  // Atiganda
        "சுகர்மம்",  // Sukarman
        "திருதி",  // Dhrithi
        "சூலம்",  // Soola
        "கண்டம்",  // Ganda
        "விருத்தி",  // Vridhi
        "துருவம்",  // Dhruva
        "வியாகாதம்",  // Vyaghata
        "ஹர்ஷணம்",  // Harshana
        "வஜ்ரம்",  // Vajra
        "சித்தி",  // Siddhi
        "வியதிபாதம்",  // Vyatipata
        "வரீயான்",  // Variyan
        "பரிகம்",  // Parigha
        "சிவம்",  // Siva
        "சித்தம்",  // Siddha
        "சாத்தியம்",  // Sadhya
        "சுபம்",  // Subha
        "சுப்பிரம்",  // Sukla
        "பிராம்யம்",  // Bramha
        "ஐந்திரம்",  // Indra
        "வைதிருதி",  // Vaidhriti
    }},
    // karanas
    {{
        "பவம்",  // Bava
        "பாலவம்",  // Balava
        "கௌலவம்",  // Kaulava
        "தைதுலம்",  // Taitula
        "கரசை",  // Garija
        "வணிசை",  // Vanija
        "பத்திரை",  // Vishti
        "சகுனி",  // Sakuna
        "சதுஷ்பாதம்",  // Chatuspada
        "நாகவம்",  // Naga
        "கிம்ஸ்துக்னம்",  // Kimstughna
    }},
    // weekdays
    {{
        "ஞாயிறு",  // Sunday
        "திங்கள்",  // Monday
        "செவ்வாய்",  // Tuesday
        "புதன்",  // Wednesday
        "வியாழன்",  // Thursday
        "வெள்ளி",  // Friday
        "சனி",  // Saturday
    }},
    // planets
    {{
        "சூரியன்",  // Sun
        "சந்திரன்",  // Moon
        "புதன்",  // Mercury
        "சுக்கிரன்",  // Venus
        "செவ்வாய்",  // Mars
        "குரு",  // Jupiter
        "சனி",  // Saturn
        "ராகு",  // Rahu
        "கேது",  // Ketu
    }},
    // kalams
    {{
        "ராகு காலம்",  // RahuKalam
        "எமகண்டம்",  // Yamaganda
        "குளிகை",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "நந்தா",  // Nanda
        "பத்ரா",  // Bhadra
        "ஜயா",  // Jaya
        "ரிக்தா",  // Rikta
        "பூர்ணா",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
