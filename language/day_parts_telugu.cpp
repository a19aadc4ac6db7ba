#include "language/day_part_names.h"

// clang-format off
// Telugu. Gowri parts as Telugu almanacs name them (ఉద్యోగం, అమృతం, రోగం,
// లాభం, ధనం, సుఖం, చోరం, విషం); choghadiyas in their Sanskrit names with
// the Telugu ending (ఉద్వేగం, చరం, ...). No published Telugu list was found
// in the references searched: the almanac form. Signs shortened to their
// first two syllables.
namespace horavela::day_part_names {

const Table kTelugu = {
    {{"ఉద్వేగం", "చరం", "లాభం", "అమృతం", "కాలం", "శుభం", "రోగం"}},
    {{"ఉద్యోగం", "అమృతం", "రోగం", "లాభం", "ధనం", "సుఖం", "చోరం", "విషం"}},
    {{"మేష", "వృష", "మిథు", "కర్క", "సింహ", "కన్య", "తుల", "వృశ్చి", "ధను", "మక", "కుంభ", "మీన"}},
};

}  // namespace horavela::day_part_names
// clang-format on
