#include "language/element_name_tables.h"

// clang-format off
// Gujarati: the names as Gujarati panchangs (Sandesh, Tithi Toran) print them:
// the tithis by their Gujarati day names (એકમ, બીજ ... પૂનમ, અમાસ) and the
// fortnights સુદ and વદ, as astromuhurat.com's Gujarati Panchang page and
// Gujarati Wikipedia's વિક્રમ સંવત page give them; nakshatras as the table of
// vedicastrology-gujarati.blogspot.com/2009/12 (૨૭ નક્ષત્રો).
namespace horavela::element_names {

const Table kGujarati = {
    // nakshatras
    {{
        "અશ્વિની",  // Ashwini
        "ભરણી",  // Bharani
        "કૃતિકા",  // Krittika
        "રોહિણી",  // Rohini
        "મૃગશીર્ષ",  // Mrigasira
        "આર્દ્રા",  // Ardra
        "પુનર્વસુ",  // Punarvasu
        "પુષ્ય",  // Pushya
        "આશ્લેષા",  // Ashlesha
        "મઘા",  // Magha
        "પૂર્વાફાલ્ગુની",  // PoorvaPhalguni
        "ઉત્તરાફાલ્ગુની",  // UttaraPhalguni
        "હસ્ત",  // Hasta
        "ચિત્રા",  // Chitra
        "સ્વાતિ",  // Swati
        "વિશાખા",  // Vishakha
        "અનુરાધા",  // Anuradha
        "જ્યેષ્ઠા",  // Jyeshtha
        "મૂળ",  // Moola
        "પૂર્વાષાઢા",  // PurvaAshadha
        "ઉત્તરાષાઢા",  // UttaraAshadha
        "શ્રવણ",  // Shravana
        "ધનિષ્ઠા",  // Dhanistha
        "શતભિષા",  // Shatabhisha
        "પૂર્વાભાદ્રપદ",  // PoorvaBhadrapada
        "ઉત્તરાભાદ્રપદ",  // UttaraBhadrapada
        "રેવતી",  // Revati
    }},
    // rashis
    {{
        "મેષ",  // Mesha
        "વૃષભ",  // Vrishabha
        "મિથુન",  // Mithuna
        "કર્ક",  // Kataka
        "સિંહ",  // Simha
        "કન્યા",  // Kanya
        "તુલા",  // Thula
        "વૃશ્ચિક",  // Vrischika
        "ધન",  // Dhanus
        "મકર",  // Makara
        "કુંભ",  // Kumbha
        "મીન",  // Meena
    }},
    // tithis
    {{
        "એકમ",  // Pratipada
        "બીજ",  // Dwitiya
        "ત્રીજ",  // Tritiya
        "ચોથ",  // Chaturthi
        "પાંચમ",  // Panchami
        "છઠ",  // Shasthi
        "સાતમ",  // Saptami
        "આઠમ",  // Ashtami
        "નોમ",  // Navami
        "દશમ",  // Dashami
        "અગિયારસ",  // Ekadashi
        "બારસ",  // Dwadashi
        "તેરસ",  // Triyodashi
        "ચૌદસ",  // Chaturdashi
        "પૂનમ",  // Purnima
        "અમાસ",  // Amavasya
    }},
    // pakshas
    {{
        "સુદ",  // Shukla
        "વદ",  // Krishna
    }},
    // yogas
    {{
        "વિષ્કુંભ",  // Vishkambha
        "પ્રીતિ",  // Prithi
        "આયુષ્માન",  // Ayushman
        "સૌભાગ્ય",  // Saubhagya
        "શોભન",  // Sobhana
        "અતિગંડ",  // Atiganda
        "સુકર્મા",  // Sukarman
        "ધૃતિ",  // Dhrithi
        "શૂળ",  // Soola
        "ગંડ",  // Ganda
        "વૃદ્ધિ",  // Vridhi
        "ધ્રુવ",  // Dhruva
        "વ્યાઘાત",  // Vyaghata
        "હર્ષણ",  // Harshana
        "વજ્ર",  // Vajra
        "સિદ્ધિ",  // Siddhi
        "વ્યતિપાત",  // Vyatipata
        "વરિયાન",  // Variyan
        "પરિઘ",  // Parigha
        "શિવ",  // Siva
        "સિદ્ધ",  // Siddha
        "સાધ્ય",  // Sadhya
        "શુભ",  // Subha
        "શુક્લ",  // Sukla
        "બ્રહ્મ",  // Bramha
        "ઐન્દ્ર",  // Indra
        "વૈધૃતિ",  // Vaidhriti
    }},
    // karanas
    {{
        "બવ",  // Bava
        "બાલવ",  // Balava
        "કૌલવ",  // Kaulava
        "તૈતિલ",  // Taitula
        "ગર",  // Garija
        "વણિજ",  // Vanija
        "વિષ્ટિ",  // Vishti
        "શકુનિ",  // Sakuna
        "ચતુષ્પાદ",  // Chatuspada
        "નાગ",  // Naga
        "કિંસ્તુઘ્ન",  // Kimstughna
    }},
    // weekdays
    {{
        "રવિવાર",  // Sunday
        "સોમવાર",  // Monday
        "મંગળવાર",  // Tuesday
        "બુધવાર",  // Wednesday
        "ગુરુવાર",  // Thursday
        "શુક્રવાર",  // Friday
        "શનિવાર",  // Saturday
    }},
    // planets
    {{
        "સૂર્ય",  // Sun
        "ચંદ્ર",  // Moon
        "બુધ",  // Mercury
        "શુક્ર",  // Venus
        "મંગળ",  // Mars
        "ગુરુ",  // Jupiter
        "શનિ",  // Saturn
        "રાહુ",  // Rahu
        "કેતુ",  // Ketu
    }},
    // kalams
    {{
        "રાહુકાળ",  // RahuKalam
        "યમગંડ",  // Yamaganda
        "ગુલિક કાળ",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "નંદા",  // Nanda
        "ભદ્રા",  // Bhadra
        "જયા",  // Jaya
        "રિક્તા",  // Rikta
        "પૂર્ણા",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
