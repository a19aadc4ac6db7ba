#include "language/term_names.h"

// clang-format off
// Bengali: the names of যোটক বিচার as Bengali matching pages print them: the
// fourteen yonis (অশ্ব, গজ ... নকুল, সিংহ) as amaderkonthosor.com's যোনি বিচার
// lists them; the kinds of eclipse as Bengali eclipse reports write them
// (পূর্ণগ্রাস, বলয়গ্রাস, খণ্ডগ্রাস: poridorshok.com, bengali.oneindia.com), the
// hybrid one মিশ্র; the kootas as this program's Bengali catalog already writes
// them; the varnas, vashya groups, ganas (নর, as the panjikas print a birth's
// gana), nadis, rajju parts, vetoes and lunar months (অগ্রহায়ণ for
// Margashirsha) in panjika usage.
namespace horavela::term_names {

namespace {

constexpr std::array<std::string_view, 8> kKootas = {
    "বর্ণ", "বশ্য", "তারা", "যোনি", "গ্রহমৈত্রী", "গণ", "ভকূট", "নাড়ী"};
constexpr std::array<std::string_view, 10> kPoruthams = {
    "দিন", "গণ", "মাহেন্দ্র", "স্ত্রীদীর্ঘ", "যোনি",
    "রাশি", "রাশ্যধিপতি", "বশ্য", "রজ্জু", "বেধ"};
constexpr std::array<std::string_view, 4> kVarnas = {"ব্রাহ্মণ", "ক্ষত্রিয়", "বৈশ্য", "শূদ্র"};
constexpr std::array<std::string_view, 5> kVashyas = {
    "চতুষ্পদ", "মানব", "জলচর", "বনচর", "কীট"};
constexpr std::array<std::string_view, 14> kYonis = {
    "অশ্ব", "গজ", "মেষ", "সর্প", "শ্বান", "মার্জার", "মূষিক",
    "গো", "মহিষ", "ব্যাঘ্র", "মৃগ", "বানর", "নকুল", "সিংহ"};
constexpr std::array<std::string_view, 3> kGanas = {"দেব", "নর", "রাক্ষস"};
constexpr std::array<std::string_view, 3> kNadis = {"আদ্য", "মধ্য", "অন্ত্য"};
constexpr std::array<std::string_view, 5> kRajjus = {"পাদ", "কটি", "নাভি", "কণ্ঠ", "শির"};
constexpr std::array<std::string_view, 3> kRegards = {"মিত্র", "সম", "শত্রু"};
constexpr std::array<std::string_view, 2> kDoshas = {"নাড়ীদোষ", "ভকূটদোষ"};
constexpr std::array<std::string_view, 12> kVetoes = {
    "খরমাস", "মলমাস", "গুরু অস্ত", "শুক্র অস্ত", "অধিমাস", "ক্ষয়মাস",
    "চাতুর্মাস্য", "হোলাষ্টক", "পিতৃপক্ষ", "সূর্যগ্রহণ", "চন্দ্রগ্রহণ", "পঞ্চক"};
constexpr std::array<std::string_view, 12> kMasas = {
    "চৈত্র", "বৈশাখ", "জ্যৈষ্ঠ", "আষাঢ়", "শ্রাবণ", "ভাদ্র",
    "আশ্বিন", "কার্তিক", "অগ্রহায়ণ", "পৌষ", "মাঘ", "ফাল্গুন"};
constexpr std::array<std::string_view, 4> kEclipses = {"পূর্ণগ্রাস", "বলয়গ্রাস", "মিশ্র", "খণ্ডগ্রাস"};

}  // namespace

const Table kBengali = {kKootas, kPoruthams, kVarnas, kVashyas, kYonis,  kGanas,   kNadis,
                        kRajjus, kRegards,   kDoshas, kVetoes,  kMasas, kEclipses};

}  // namespace horavela::term_names
