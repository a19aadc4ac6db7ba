#include "language/element_name_tables.h"

// clang-format off
// Telugu: the names as Telugu panchangams print them: పుష్యమి, మఖ, పుబ్బ,
// ఉత్తర, చిత్త for the nakshatras, the tithis పాడ్యమి, విదియ, తదియ, చవితి.
// Nakshatras, yogas and karanas as ap7am.com's పంచాంగములో నక్షత్ర యోగ
// కరణములు and chintamani-free-astrology.blogspot.com (nama-nakshatramulu) list
// them; tithis as omniguru.in's పెద్ద బాలశిక్ష తిథులు - పక్షములు.
namespace horavela::element_names {

const Table kTelugu = {
    // nakshatras
    {{
        "అశ్విని",  // Ashwini
        "భరణి",  // Bharani
        "కృత్తిక",  // Krittika
        "రోహిణి",  // Rohini
        "మృగశిర",  // Mrigasira
        "ఆర్ద్ర",  // Ardra
        "పునర్వసు",  // Punarvasu
        "పుష్యమి",  // Pushya
        "ఆశ్లేష",  // Ashlesha
        "మఖ",  // Magha
        "పుబ్బ",  // PoorvaPhalguni
        "ఉత్తర",  // UttaraPhalguni
        "హస్త",  // Hasta
        "చిత్త",  // Chitra
        "స్వాతి",  // Swati
        "విశాఖ",  // Vishakha
        "అనూరాధ",  // Anuradha
        "జ్యేష్ఠ",  // Jyeshtha
        "మూల",  // Moola
        "పూర్వాషాఢ",  // PurvaAshadha
        "ఉత్తరాషాఢ",  // UttaraAshadha
        "శ్రవణం",  // Shravana
        "ధనిష్ఠ",  // Dhanistha
        "శతభిషం",  // Shatabhisha
        "పూర్వాభాద్ర",  // PoorvaBhadrapada
        "ఉత్తరాభాద్ర",  // UttaraBhadrapada
        "రేవతి",  // Revati
    }},
    // rashis
    {{
        "మేషం",  // Mesha
        "వృషభం",  // Vrishabha
        "మిథునం",  // Mithuna
        "కర్కాటకం",  // Kataka
        "సింహం",  // Simha
        "కన్య",  // Kanya
        "తుల",  // Thula
        "వృశ్చికం",  // Vrischika
        "ధనుస్సు",  // Dhanus
        "మకరం",  // Makara
        "కుంభం",  // Kumbha
        "మీనం",  // Meena
    }},
    // tithis
    {{
        "పాడ్యమి",  // Pratipada
        "విదియ",  // Dwitiya
        "తదియ",  // Tritiya
        "చవితి",  // Chaturthi
        "పంచమి",  // Panchami
        "షష్ఠి",  // Shasthi
        "సప్తమి",  // Saptami
        "అష్టమి",  // Ashtami
        "నవమి",  // Navami
        "దశమి",  // Dashami
        "ఏకాదశి",  // Ekadashi
        "ద్వాదశి",  // Dwadashi
        "త్రయోదశి",  // Triyodashi
        "చతుర్దశి",  // Chaturdashi
        "పౌర్ణమి",  // Purnima
        "అమావాస్య",  // Amavasya
    }},
    // pakshas
    {{
        "శుక్ల పక్షం",  // Shukla
        "కృష్ణ పక్షం",  // Krishna
    }},
    // yogas
    {{
        "విష్కంభం",  // Vishkambha
        "ప్రీతి",  // Prithi
        "ఆయుష్మాన్",  // Ayushman
        "సౌభాగ్యం",  // Saubhagya
        "శోభనం",  // Sobhana
        "అతిగండం",  // Atiganda
        "సుకర్మ",  // Sukarman
        "ధృతి",  // Dhrithi
        "శూలం",  // Soola
        "గండం",  // Ganda
        "వృద్ధి",  // Vridhi
        "ధ్రువం",  // Dhruva
        "వ్యాఘాతం",  // Vyaghata
        "హర్షణం",  // Harshana
        "వజ్రం",  // Vajra
        "సిద్ధి",  // Siddhi
        "వ్యతీపాతం",  // Vyatipata
        "వరీయాన్",  // Variyan
        "పరిఘం",  // Parigha
        "శివం",  // Siva
        "సిద్ధం",  // Siddha
        "సాధ్యం",  // Sadhya
        "శుభం",  // Subha
        "శుక్లం",  // Sukla
        "బ్రహ్మం",  // Bramha
        "ఐంద్రం",  // Indra
        "వైధృతి",  // Vaidhriti
    }},
    // karanas
    {{
        "బవ",  // Bava
        "బాలవ",  // Balava
        "కౌలవ",  // Kaulava
        "తైతుల",  // Taitula
        "గరజి",  // Garija
        "వణిజ",  // Vanija
        "విష్టి",  // Vishti
        "శకుని",  // Sakuna
        "చతుష్పాత్",  // Chatuspada
        "నాగవం",  // Naga
        "కింస్తుఘ్నం",  // Kimstughna
    }},
    // weekdays
    {{
        "ఆదివారం",  // Sunday
        "సోమవారం",  // Monday
        "మంగళవారం",  // Tuesday
        "బుధవారం",  // Wednesday
        "గురువారం",  // Thursday
        "శుక్రవారం",  // Friday
        "శనివారం",  // Saturday
    }},
    // planets
    {{
        "సూర్యుడు",  // Sun
        "చంద్రుడు",  // Moon
        "బుధుడు",  // Mercury
        "శుక్రుడు",  // Venus
        "కుజుడు",  // Mars
        "గురువు",  // Jupiter
        "శని",  // Saturn
        "రాహువు",  // Rahu
        "కేతువు",  // Ketu
    }},
    // kalams
    {{
        "రాహు కాలం",  // RahuKalam
        "యమగండం",  // Yamaganda
        "గుళిక కాలం",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "నందా",  // Nanda
        "భద్రా",  // Bhadra
        "జయా",  // Jaya
        "రిక్తా",  // Rikta
        "పూర్ణా",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
