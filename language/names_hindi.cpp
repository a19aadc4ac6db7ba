#include "language/element_name_tables.h"

// clang-format off
// Hindi: the names as Hindi panchangs print them (Thakur Prasad, Drik
// Panchang's Hindi pages). Nakshatras as Hindi Wikipedia's list of the 27
// (hi.wikipedia.org/wiki/नक्षत्र) and jyotishvidya.blogspot.com/2008/05 write
// them; tithis as the Muhurta Chintamani (Piyushadhara commentary, Chaukhamba
// Surbharati, Varanasi 2018) names them.
namespace horavela::element_names {

const Table kHindi = {
    // nakshatras
    {{
        "अश्विनी",  // Ashwini
        "भरणी",  // Bharani
        "कृत्तिका",  // Krittika
        "रोहिणी",  // Rohini
        "मृगशिरा",  // Mrigasira
        "आर्द्रा",  // Ardra
        "पुनर्वसु",  // Punarvasu
        "पुष्य",  // Pushya
        "आश्लेषा",  // Ashlesha
        "मघा",  // Magha
        "पूर्वाफाल्गुनी",  // PoorvaPhalguni
        "उत्तराफाल्गुनी",  // UttaraPhalguni
        "हस्त",  // Hasta
        "चित्रा",  // Chitra
        "स्वाती",  // Swati
        "विशाखा",  // Vishakha
        "अनुराधा",  // Anuradha
        "ज्येष्ठा",  // Jyeshtha
        "मूल",  // Moola
        "पूर्वाषाढ़ा",  // PurvaAshadha
        "उत्तराषाढ़ा",  // UttaraAshadha
        "श्रवण",  // Shravana
        "धनिष्ठा",  // Dhanistha
        "शतभिषा",  // Shatabhisha
        "पूर्वाभाद्रपद",  // PoorvaBhadrapada
        "उत्तराभाद्रपद",  // UttaraBhadrapada
        "रेवती",  // Revati
    }},
    // rashis
    {{
        "मेष",  // Mesha
        "वृषभ",  // Vrishabha
        "मिथुन",  // Mithuna
        "कर्क",  // Kataka
        "सिंह",  // Simha
        "कन्या",  // Kanya
        "तुला",  // Thula
        "वृश्चिक",  // Vrischika
        "धनु",  // Dhanus
        "मकर",  // Makara
        "कुम्भ",  // Kumbha
        "मीन",  // Meena
    }},
    // tithis
    {{
        "प्रतिपदा",  // Pratipada
        "द्वितीया",  // Dwitiya
        "तृतीया",  // Tritiya
        "चतुर्थी",  // Chaturthi
        "पंचमी",  // Panchami
        "षष्ठी",  // Shasthi
        "सप्तमी",  // Saptami
        "अष्टमी",  // Ashtami
        "नवमी",  // Navami
        "दशमी",  // Dashami
        "एकादशी",  // Ekadashi
        "द्वादशी",  // Dwadashi
        "त्रयोदशी",  // Triyodashi
        "चतुर्दशी",  // Chaturdashi
        "पूर्णिमा",  // Purnima
        "अमावस्या",  // Amavasya
    }},
    // pakshas
    {{
        "शुक्ल पक्ष",  // Shukla
        "कृष्ण पक्ष",  // Krishna
    }},
    // yogas
    {{
        "विष्कुम्भ",  // Vishkambha
        "प्रीति",  // Prithi
        "आयुष्मान",  // Ayushman
        "सौभाग्य",  // Saubhagya
        "शोभन",  // Sobhana
        "अतिगण्ड",  // Atiganda
        "सुकर्मा",  // Sukarman
        "धृति",  // Dhrithi
        "शूल",  // Soola
        "गण्ड",  // Ganda
        "वृद्धि",  // Vridhi
        "ध्रुव",  // Dhruva
        "व्याघात",  // Vyaghata
        "हर्षण",  // Harshana
        "वज्र",  // Vajra
        "सिद्धि",  // Siddhi
        "व्यतीपात",  // Vyatipata
        "वरीयान",  // Variyan
        "परिघ",  // Parigha
        "शिव",  // Siva
        "सिद्ध",  // Siddha
        "साध्य",  // Sadhya
        "शुभ",  // Subha
        "शुक्ल",  // Sukla
        "ब्रह्म",  // Bramha
        "इन्द्र",  // Indra
        "वैधृति",  // Vaidhriti
    }},
    // karanas
    {{
        "बव",  // Bava
        "बालव",  // Balava
        "कौलव",  // Kaulava
        "तैतिल",  // Taitula
        "गर",  // Garija
        "वणिज",  // Vanija
        "विष्टि",  // Vishti
        "शकुनि",  // Sakuna
        "चतुष्पद",  // Chatuspada
        "नाग",  // Naga
        "किंस्तुघ्न",  // Kimstughna
    }},
    // weekdays
    {{
        "रविवार",  // Sunday
        "सोमवार",  // Monday
        "मंगलवार",  // Tuesday
        "बुधवार",  // Wednesday
        "गुरुवार",  // Thursday
        "शुक्रवार",  // Friday
        "शनिवार",  // Saturday
    }},
    // planets
    {{
        "सूर्य",  // Sun
        "चन्द्र",  // Moon
        "बुध",  // Mercury
        "शुक्र",  // Venus
        "मंगल",  // Mars
        "गुरु",  // Jupiter
        "शनि",  // Saturn
        "राहु",  // Rahu
        "केतु",  // Ketu
    }},
    // kalams
    {{
        "राहुकाल",  // RahuKalam
        "यमगण्ड",  // Yamaganda
        "गुलिक काल",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "नन्दा",  // Nanda
        "भद्रा",  // Bhadra
        "जया",  // Jaya
        "रिक्ता",  // Rikta
        "पूर्णा",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
