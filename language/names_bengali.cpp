#include "language/element_name_tables.h"

// clang-format off
// Bengali: the names as the Bengali panjikas (Gupta Press, Bisuddha Siddhanta)
// print them: পুষ্যা, হস্তা, মূলা, শ্রবণা; the yoga ঐন্দ্র. Tithis, nakshatras,
// yogas and karanas as the panjika-style calendar at usingha.com/sal prints
// them day by day; the nakshatra list also as Bengali Wikipedia's নক্ষত্র
// (চন্দ্রনিবাস) and the tithis as its পক্ষ page.
namespace horavela::element_names {

const Table kBengali = {
    // nakshatras
    {{
        "অশ্বিনী",  // Ashwini
        "ভরণী",  // Bharani
        "কৃত্তিকা",  // Krittika
        "রোহিণী",  // Rohini
        "মৃগশিরা",  // Mrigasira
        "আর্দ্রা",  // Ardra
        "পুনর্বসু",  // Punarvasu
        "পুষ্যা",  // Pushya
        "অশ্লেষা",  // Ashlesha
        "মঘা",  // Magha
        "পূর্বফাল্গুনী",  // PoorvaPhalguni
        "উত্তরফাল্গুনী",  // UttaraPhalguni
        "হস্তা",  // Hasta
        "চিত্রা",  // Chitra
        "স্বাতী",  // Swati
        "বিশাখা",  // Vishakha
        "অনুরাধা",  // Anuradha
        "জ্যেষ্ঠা",  // Jyeshtha
        "মূলা",  // Moola
        "পূর্বাষাঢ়া",  // PurvaAshadha
        "উত্তরাষাঢ়া",  // UttaraAshadha
        "শ্রবণা",  // Shravana
        "ধনিষ্ঠা",  // Dhanistha
        "শতভিষা",  // Shatabhisha
        "পূর্বভাদ্রপদ",  // PoorvaBhadrapada
        "উত্তরভাদ্রপদ",  // UttaraBhadrapada
        "রেবতী",  // Revati
    }},
    // rashis
    {{
        "মেষ",  // Mesha
        "বৃষ",  // Vrishabha
        "মিথুন",  // Mithuna
        "কর্কট",  // Kataka
        "সিংহ",  // Simha
        "কন্যা",  // Kanya
        "তুলা",  // Thula
        "বৃশ্চিক",  // Vrischika
        "ধনু",  // Dhanus
        "মকর",  // Makara
        "কুম্ভ",  // Kumbha
        "মীন",  // Meena
    }},
    // tithis
    {{
        "প্রতিপদ",  // Pratipada
        "দ্বিতীয়া",  // Dwitiya
        "তৃতীয়া",  // Tritiya
        "চতুর্থী",  // Chaturthi
        "পঞ্চমী",  // Panchami
        "ষষ্ঠী",  // Shasthi
        "সপ্তমী",  // Saptami
        "অষ্টমী",  // Ashtami
        "নবমী",  // Navami
        "দশমী",  // Dashami
        "একাদশী",  // Ekadashi
        "দ্বাদশী",  // Dwadashi
        "ত্রয়োদশী",  // Triyodashi
        "চতুর্দশী",  // Chaturdashi
        "পূর্ণিমা",  // Purnima
        "অমাবস্যা",  // Amavasya
    }},
    // pakshas
    {{
        "শুক্ল পক্ষ",  // Shukla
        "কৃষ্ণ পক্ষ",  // Krishna
    }},
    // yogas
    {{
        "বিষ্কুম্ভ",  // Vishkambha
        "প্রীতি",  // Prithi
        "আয়ুষ্মান",  // Ayushman
        "সৌভাগ্য",  // Saubhagya
        "শোভন",  // Sobhana
        "অতিগণ্ড",  // Atiganda
        "সুকর্মা",  // Sukarman
        "ধৃতি",  // Dhrithi
        "শূল",  // Soola
        "গণ্ড",  // Ganda
        "বৃদ্ধি",  // Vridhi
        "ধ্রুব",  // Dhruva
        "ব্যাঘাত",  // Vyaghata
        "হর্ষণ",  // Harshana
        "বজ্র",  // Vajra
        "সিদ্ধি",  // Siddhi
        "ব্যতীপাত",  // Vyatipata
        "বরীয়ান",  // Variyan
        "পরিঘ",  // Parigha
        "শিব",  // Siva
        "সিদ্ধ",  // Siddha
        "সাধ্য",  // Sadhya
        "শুভ",  // Subha
        "শুক্ল",  // Sukla
        "ব্রহ্ম",  // Bramha
        "ঐন্দ্র",  // Indra
        "বৈধৃতি",  // Vaidhriti
    }},
    // karanas
    {{
        "বব",  // Bava
        "বালব",  // Balava
        "কৌলব",  // Kaulava
        "তৈতিল",  // Taitula
        "গর",  // Garija
        "বণিজ",  // Vanija
        "বিষ্টি",  // Vishti
        "শকুনি",  // Sakuna
        "চতুষ্পাদ",  // Chatuspada
        "নাগ",  // Naga
        "কিন্তুঘ্ন",  // Kimstughna
    }},
    // weekdays
    {{
        "রবিবার",  // Sunday
        "সোমবার",  // Monday
        "মঙ্গলবার",  // Tuesday
        "বুধবার",  // Wednesday
        "বৃহস্পতিবার",  // Thursday
        "শুক্রবার",  // Friday
        "শনিবার",  // Saturday
    }},
    // planets
    {{
        "রবি",  // Sun
        "চন্দ্র",  // Moon
        "বুধ",  // Mercury
        "শুক্র",  // Venus
        "মঙ্গল",  // Mars
        "বৃহস্পতি",  // Jupiter
        "শনি",  // Saturn
        "রাহু",  // Rahu
        "কেতু",  // Ketu
    }},
    // kalams
    {{
        "রাহুকাল",  // RahuKalam
        "যমগণ্ড",  // Yamaganda
        "গুলিককাল",  // GulikaKalam
    }},
    // tithi groups (the five kinds of tithi of the Muhurta Chintamani), written
    // in the script as the sanskrit names are
    {{
        "নন্দা",  // Nanda
        "ভদ্রা",  // Bhadra
        "জয়া",  // Jaya
        "রিক্তা",  // Rikta
        "পূর্ণা",  // Poorna
    }},
};

}  // namespace horavela::element_names
// clang-format on
