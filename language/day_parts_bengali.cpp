#include "language/day_part_names.h"

// clang-format off
// Bengali. No Bengali list of choghadiyas or Gowri parts was found in the
// references searched: both in their Sanskrit names in Bengali script
// (উদ্বেগ, চর, ...; অমৃত, রোগ, ...), the almanac form. Signs shortened to
// their first two syllables (কর্ক for কর্কট).
namespace horavela::day_part_names {

const Table kBengali = {
    {{"উদ্বেগ", "চর", "লাভ", "অমৃত", "কাল", "শুভ", "রোগ"}},
    {{"উদ্যোগ", "অমৃত", "রোগ", "লাভ", "ধন", "সুখ", "চোর", "বিষ"}},
    {{"মেষ", "বৃষ", "মিথু", "কর্ক", "সিংহ", "কন্যা", "তুলা", "বৃশ্চি", "ধনু", "মকর", "কুম্ভ", "মীন"}},
};

}  // namespace horavela::day_part_names
// clang-format on
