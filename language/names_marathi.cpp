#include "language/element_name_tables.h"

// clang-format off
// Marathi: the names as Marathi almanacs (Kalnirnay, Date Panchang) print them:
// मृग, पुनर्वसू, पूर्वा, उत्तरा, मूळ, शततारका; the fortnights शुद्ध and वद्य.
// Nakshatras as Marathi Wikipedia's पंचांग page lists them
// (mr.wikipedia.org/wiki/पंचांग); tithis as Webdunia Marathi's मराठी तिथी
// (m-marathi.webdunia.com, marathi-tithi-vaar-mahine) and Marathi
// Wikipedia's तिथी page.
namespace horavela::element_names {

const Table kMarathi = {
    // nakshatras
    {{
        "अश्विनी",  // Ashwini
        "भरणी",  // Bharani
        "कृत्तिका",  // Krittika
        "रोहिणी",  // Rohini
        "मृग",  // Mrigasira
        "आर्द्रा",  // Ardra
        "पुनर्वसू",  // Punarvasu
        "पुष्य",  // Pushya
        "आश्लेषा",  // Ashlesha
        "मघा",  // Magha
        "पूर्वा",  // PoorvaPhalguni
        "उत्तरा",  // UttaraPhalguni
        "हस्त",  // Hasta
        "चित्रा",  // Chitra
        "स्वाती",  // Swati
        "विशाखा",  // Vishakha
        "अनुराधा",  // Anuradha
        "ज्येष्ठा",  // Jyeshtha
        "मूळ",  // Moola
        "पूर्वाषाढा",  // PurvaAshadha
        "उत्तराषाढा",  // UttaraAshadha
        "श्रवण",  // Shravana
        "धनिष्ठा",  // Dhanistha
        "शततारका",  // Shatabhisha
        "पूर्वाभाद्रपदा",  // PoorvaBhadrapada
        "उत्तराभाद्रपदा",  // UttaraBhadrapada
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
        "तूळ",  // Thula
        "वृश्चिक",  // Vrischika
        "धनु",  // Dhanus
        "मकर",  // Makara
        "कुंभ",  // Kumbha
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
        "पौर्णिमा",  // Purnima
        "अमावास्या",  // Amavasya
    }},
    // pakshas
    {{
        "शुद्ध पक्ष",  // Shukla
        "वद्य पक्ष",  // Krishna
    }},
    // yogas
    {{
        "विष्कंभ",  // Vishkambha
        "प्रीती",  // Prithi
        "आयुष्मान",  // Ayushman
        "सौभाग्य",  // Saubhagya
        "शोभन",  // Sobhana
        "अतिगंड",  // Atiganda
        "सुकर्मा",  // Sukarman
        "धृती",  // Dhrithi
        "शूल",  // Soola
        "गंड",  // Ganda
        "वृद्धी",  // Vridhi
        "ध्रुव",  // Dhruva
        "व्याघात",  // Vyaghata
        "हर्षण",  // Harshana
        "वज्र",  // Vajra
        "सिद्धी",  // Siddhi
        "व्यतीपात",  // Vyatipata
        "वरीयान",  // Variyan
        "परिघ",  // Parigha
        "शिव",  // Siva
        "सिद्ध",  // Siddha
        "साध्य",  // Sadhya
        "शुभ",  // Subha
        "शुक्ल",  // Sukla
        "ब्रह्म",  // Bramha
        "इंद्र",  // Indra
        "वैधृती",  // Vaidhriti
    }},
    // karanas
    {{
        "बव",  // Bava
        "बालव",  // Balava
        "कौलव",  // Kaulava
        "तैतिल",  // Taitula
        "गरज",  // Garija
        "वणिज",  // Vanija
        "विष्टी",  // Vishti
        "शकुनी",  // Sakuna
        "चतुष्पाद",  // Chatuspada
        "नाग",  // Naga
        "किंस्तुघ्न",  // Kimstughna
    }},
    // weekdays
    {{
        "रविवार",  // Sunday
        "सोमवार",  // Monday
        "मंगळवार",  // Tuesday
        "बुधवार",  // Wednesday
        "गुरुवार",  // Thursday
        "शुक्रवार",  // Friday
        "शनिवार",  // Saturday
    }},
    // planets
    {{
        "रवी",  // Sun
        "चंद्र",  // Moon
        "बुध",  // Mercury
        "शुक्र",  // Venus
        "मंगळ",  // Mars
        "गुरू",  // Jupiter
        "शनी",  // Saturn
        "राहू",  // Rahu
        "केतू",  // Ketu
    }},
    // kalams
    {{
        "राहुकाळ",  // RahuKalam
        "यमगंड",  // Yamaganda
        "गुलिक काळ",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "नंदा",  // Nanda
        "भद्रा",  // Bhadra
        "जया",  // Jaya
        "रिक्ता",  // Rikta
        "पूर्णा",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
