#include "language/element_name_tables.h"

// clang-format off
// Kannada: the names as Kannada panchangas print them: ಪುಬ್ಬ and ಉತ್ತರ for the
// Phalgunis, the tithis ಪಾಡ್ಯ, ಬಿದಿಗೆ, ತದಿಗೆ, ಚೌತಿ ... ಹುಣ್ಣಿಮೆ, ಅಮಾವಾಸ್ಯೆ.
// Tithis and fortnights as Kannada Wikipedia's ಪಂಚಾಂಗ page
// (kn.wikipedia.org/wiki/ಪಂಚಾಂಗ) lists them; nakshatras as
// urbanscriptor.in/nakshatra (27 ನಕ್ಷತ್ರಗಳ ಹೆಸರುಗಳು) and the rashi-wise list of
// jyotishachandamama.blogspot.com/2017/03 give them, in the short forms the
// panchangas use.
namespace horavela::element_names {

const Table kKannada = {
    // nakshatras
    {{
        "ಅಶ್ವಿನಿ",  // Ashwini
        "ಭರಣಿ",  // Bharani
        "ಕೃತ್ತಿಕಾ",  // Krittika
        "ರೋಹಿಣಿ",  // Rohini
        "ಮೃಗಶಿರ",  // Mrigasira
        "ಆರ್ದ್ರಾ",  // Ardra
        "ಪುನರ್ವಸು",  // Punarvasu
        "ಪುಷ್ಯ",  // Pushya
        "ಆಶ್ಲೇಷ",  // Ashlesha
        "ಮಖ",  // Magha
        "ಪುಬ್ಬ",  // PoorvaPhalguni
        "ಉತ್ತರ",  // UttaraPhalguni
        "ಹಸ್ತ",  // Hasta
        "ಚಿತ್ತ",  // Chitra
        "ಸ್ವಾತಿ",  // Swati
        "ವಿಶಾಖ",  // Vishakha
        "ಅನೂರಾಧ",  // Anuradha
        "ಜ್ಯೇಷ್ಠ",  // Jyeshtha
        "ಮೂಲ",  // Moola
        "ಪೂರ್ವಾಷಾಢ",  // PurvaAshadha
        "ಉತ್ತರಾಷಾಢ",  // UttaraAshadha
        "ಶ್ರವಣ",  // Shravana
        "ಧನಿಷ್ಠ",  // Dhanistha
        "ಶತಭಿಷ",  // Shatabhisha
        "ಪೂರ್ವಾಭಾದ್ರ",  // PoorvaBhadrapada
        "ಉತ್ತರಾಭಾದ್ರ",  // UttaraBhadrapada
        "ರೇವತಿ",  // Revati
    }},
    // rashis
    {{
        "ಮೇಷ",  // Mesha
        "ವೃಷಭ",  // Vrishabha
        "ಮಿಥುನ",  // Mithuna
        "ಕರ್ಕಾಟಕ",  // Kataka
        "ಸಿಂಹ",  // Simha
        "ಕನ್ಯಾ",  // Kanya
        "ತುಲಾ",  // Thula
        "ವೃಶ್ಚಿಕ",  // Vrischika
        "ಧನು",  // Dhanus
        "ಮಕರ",  // Makara
        "ಕುಂಭ",  // Kumbha
        "ಮೀನ",  // Meena
    }},
    // tithis
    {{
        "ಪಾಡ್ಯ",  // Pratipada
        "ಬಿದಿಗೆ",  // Dwitiya
        "ತದಿಗೆ",  // Tritiya
        "ಚೌತಿ",  // Chaturthi
        "ಪಂಚಮಿ",  // Panchami
        "ಷಷ್ಠಿ",  // Shasthi
        "ಸಪ್ತಮಿ",  // Saptami
        "ಅಷ್ಟಮಿ",  // Ashtami
        "ನವಮಿ",  // Navami
        "ದಶಮಿ",  // Dashami
        "ಏಕಾದಶಿ",  // Ekadashi
        "ದ್ವಾದಶಿ",  // Dwadashi
        "ತ್ರಯೋದಶಿ",  // Triyodashi
        "ಚತುರ್ದಶಿ",  // Chaturdashi
        "ಹುಣ್ಣಿಮೆ",  // Purnima
        "ಅಮಾವಾಸ್ಯೆ",  // Amavasya
    }},
    // pakshas
    {{
        "ಶುಕ್ಲಪಕ್ಷ",  // Shukla
        "ಕೃಷ್ಣಪಕ್ಷ",  // Krishna
    }},
    // yogas
    {{
        "ವಿಷ್ಕಂಭ",  // Vishkambha
        "ಪ್ರೀತಿ",  // Prithi
        "ಆಯುಷ್ಮಾನ್",  // Ayushman
        "ಸೌಭಾಗ್ಯ",  // Saubhagya
        "ಶೋಭನ",  // Sobhana
        "ಅತಿಗಂಡ",  // Atiganda
        "ಸುಕರ್ಮ",  // Sukarman
        "ಧೃತಿ",  // Dhrithi
        "ಶೂಲ",  // Soola
        "ಗಂಡ",  // Ganda
        "ವೃದ್ಧಿ",  // Vridhi
        "ಧ್ರುವ",  // Dhruva
        "ವ್ಯಾಘಾತ",  // Vyaghata
        "ಹರ್ಷಣ",  // Harshana
        "ವಜ್ರ",  // Vajra
        "ಸಿದ್ಧಿ",  // Siddhi
        "ವ್ಯತೀಪಾತ",  // Vyatipata
        "ವರೀಯಾನ್",  // Variyan
        "ಪರಿಘ",  // Parigha
        "ಶಿವ",  // Siva
        "ಸಿದ್ಧ",  // Siddha
        "ಸಾಧ್ಯ",  // Sadhya
        "ಶುಭ",  // Subha
        "ಶುಕ್ಲ",  // Sukla
        "ಬ್ರಹ್ಮ",  // Bramha
        "ಐಂದ್ರ",  // Indra
        "ವೈಧೃತಿ",  // Vaidhriti
    }},
    // karanas
    {{
        "ಬವ",  // Bava
        "ಬಾಲವ",  // Balava
        "ಕೌಲವ",  // Kaulava
        "ತೈತಿಲ",  // Taitula
        "ಗರಜ",  // Garija
        "ವಣಿಜ",  // Vanija
        "ವಿಷ್ಟಿ",  // Vishti
        "ಶಕುನಿ",  // Sakuna
        "ಚತುಷ್ಪಾದ",  // Chatuspada
        "ನಾಗ",  // Naga
        "ಕಿಂಸ್ತುಘ್ನ",  // Kimstughna
    }},
    // weekdays
    {{
        "ಭಾನುವಾರ",  // Sunday
        "ಸೋಮವಾರ",  // Monday
        "ಮಂಗಳವಾರ",  // Tuesday
        "ಬುಧವಾರ",  // Wednesday
        "ಗುರುವಾರ",  // Thursday
        "ಶುಕ್ರವಾರ",  // Friday
        "ಶನಿವಾರ",  // Saturday
    }},
    // planets
    {{
        "ಸೂರ್ಯ",  // Sun
        "ಚಂದ್ರ",  // Moon
        "ಬುಧ",  // Mercury
        "ಶುಕ್ರ",  // Venus
        "ಕುಜ",  // Mars
        "ಗುರು",  // Jupiter
        "ಶನಿ",  // Saturn
        "ರಾಹು",  // Rahu
        "ಕೇತು",  // Ketu
    }},
    // kalams
    {{
        "ರಾಹು ಕಾಲ",  // RahuKalam
        "ಯಮಗಂಡ ಕಾಲ",  // Yamaganda
        "ಗುಳಿಕ ಕಾಲ",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "ನಂದಾ",  // Nanda
        "ಭದ್ರಾ",  // Bhadra
        "ಜಯಾ",  // Jaya
        "ರಿಕ್ತಾ",  // Rikta
        "ಪೂರ್ಣಾ",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
