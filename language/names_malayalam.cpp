#include "language/element_name_tables.h"

// clang-format off
// Malayalam: the names as Malayalam panchangams print them: the nakshatras
// (നാളുകൾ) in their Malayalam names (അശ്വതി, മകയിരം, തിരുവാതിര, പുണർതം, ചോതി,
// തൃക്കേട്ട), the signs മേടം, ഇടവം ... കർക്കടകം, ചിങ്ങം. Nakshatras and signs as
// kaakkoo.blogspot.com/2011/12 (മലയാളം പഞ്ചാംഗത്തിലെ നക്ഷത്രങ്ങൾ) and
// Malayalam Wikipedia's ജ്യോതിഷത്തിലെ നക്ഷത്രങ്ങൾ list them; tithis as
// planetjyothisham.blogspot.com/2017/12 (the tithis and their devatas), in
// today's atomic chillu letters.
namespace horavela::element_names {

const Table kMalayalam = {
    // nakshatras
    {{
        "അശ്വതി",  // Ashwini
        "ഭരണി",  // Bharani
        "കാർത്തിക",  // Krittika
        "രോഹിണി",  // Rohini
        "മകയിരം",  // Mrigasira
        "തിരുവാതിര",  // Ardra
        "പുണർതം",  // Punarvasu
        "പൂയം",  // Pushya
        "ആയില്യം",  // Ashlesha
        "മകം",  // Magha
        "പൂരം",  // PoorvaPhalguni
        "ഉത്രം",  // UttaraPhalguni
        "അത്തം",  // Hasta
        "ചിത്തിര",  // Chitra
        "ചോതി",  // Swati
        "വിശാഖം",  // Vishakha
        "അനിഴം",  // Anuradha
        "തൃക്കേട്ട",  // Jyeshtha
        "മൂലം",  // Moola
        "പൂരാടം",  // PurvaAshadha
        "ഉത്രാടം",  // UttaraAshadha
        "തിരുവോണം",  // Shravana
        "അവിട്ടം",  // Dhanistha
        "ചതയം",  // Shatabhisha
        "പൂരൂരുട്ടാതി",  // PoorvaBhadrapada
        "ഉത്രട്ടാതി",  // UttaraBhadrapada
        "രേവതി",  // Revati
    }},
    // rashis
    {{
        "മേടം",  // Mesha
        "ഇടവം",  // Vrishabha
        "മിഥുനം",  // Mithuna
        "കർക്കടകം",  // Kataka
        "ചിങ്ങം",  // Simha
        "കന്നി",  // Kanya
        "തുലാം",  // Thula
        "വൃശ്ചികം",  // Vrischika
        "ധനു",  // Dhanus
        "മകരം",  // Makara
        "കുംഭം",  // Kumbha
        "മീനം",  // Meena
    }},
    // tithis
    {{
        "പ്രതിപദം",  // Pratipada
        "ദ്വിതീയ",  // Dwitiya
        "തൃതീയ",  // Tritiya
        "ചതുർത്ഥി",  // Chaturthi
        "പഞ്ചമി",  // Panchami
        "ഷഷ്ഠി",  // Shasthi
        "സപ്തമി",  // Saptami
        "അഷ്ടമി",  // Ashtami
        "നവമി",  // Navami
        "ദശമി",  // Dashami
        "ഏകാദശി",  // Ekadashi
        "ദ്വാദശി",  // Dwadashi
        "ത്രയോദശി",  // Triyodashi
        "ചതുർദ്ദശി",  // Chaturdashi
        "പൗർണ്ണമി",  // Purnima
        "അമാവാസി",  // Amavasya
    }},
    // pakshas
    {{
        "ശുക്ലപക്ഷം",  // Shukla
        "കൃഷ്ണപക്ഷം",  // Krishna
    }},
    // yogas
    {{
        "വിഷ്കംഭം",  // Vishkambha
        "പ്രീതി",  // Prithi
        "ആയുഷ്മാൻ",  // Ayushman
        "സൗഭാഗ്യം",  // Saubhagya
        "ശോഭനം",  // Sobhana
        "അതിഗണ്ഡം",  // Atiganda
        "സുകർമ്മം",  // Sukarman
        "ധൃതി",  // Dhrithi
        "ശൂലം",  // Soola
        "ഗണ്ഡം",  // Ganda
        "വൃദ്ധി",  // Vridhi
        "ധ്രുവം",  // Dhruva
        "വ്യാഘാതം",  // Vyaghata
        "ഹർഷണം",  // Harshana
        "വജ്രം",  // Vajra
        "സിദ്ധി",  // Siddhi
        "വ്യതീപാതം",  // Vyatipata
        "വരീയാൻ",  // Variyan
        "പരിഘം",  // Parigha
        "ശിവം",  // Siva
        "സിദ്ധം",  // Siddha
        "സാദ്ധ്യം",  // Sadhya
        "ശുഭം",  // Subha
        "ശുക്ലം",  // Sukla
        "ബ്രഹ്മം",  // Bramha
        "ഐന്ദ്രം",  // Indra
        "വൈധൃതി",  // Vaidhriti
    }},
    // karanas
    {{
        "ബവം",  // Bava
        "ബാലവം",  // Balava
        "കൗലവം",  // Kaulava
        "തൈതിലം",  // Taitula
        "ഗരജം",  // Garija
        "വണിജം",  // Vanija
        "വിഷ്ടി",  // Vishti
        "ശകുനി",  // Sakuna
        "ചതുഷ്പാദം",  // Chatuspada
        "നാഗവം",  // Naga
        "കിംസ്തുഘ്നം",  // Kimstughna
    }},
    // weekdays
    {{
        "ഞായർ",  // Sunday
        "തിങ്കൾ",  // Monday
        "ചൊവ്വ",  // Tuesday
        "ബുധൻ",  // Wednesday
        "വ്യാഴം",  // Thursday
        "വെള്ളി",  // Friday
        "ശനി",  // Saturday
    }},
    // planets
    {{
        "സൂര്യൻ",  // Sun
        "ചന്ദ്രൻ",  // Moon
        "ബുധൻ",  // Mercury
        "ശുക്രൻ",  // Venus
        "ചൊവ്വ",  // Mars
        "വ്യാഴം",  // Jupiter
        "ശനി",  // Saturn
        "രാഹു",  // Rahu
        "കേതു",  // Ketu
    }},
    // kalams
    {{
        "രാഹുകാലം",  // RahuKalam
        "യമകണ്ടകം",  // Yamaganda
        "ഗുളികകാലം",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "നന്ദാ",  // Nanda
        "ഭദ്രാ",  // Bhadra
        "ജയാ",  // Jaya
        "രിക്താ",  // Rikta
        "പൂർണ്ണാ",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
