// The made-up names and identifiers of a generated cycle, shaped like real ones.
#pragma once

#include "cycle/random.h"

#include <string>

namespace quill::bench {

// Made-up place words such as "Kelmora" or "Ostan", capitalised.
std::string place_word(Random& random);
// A place name of one to three words, capitalised: "Harrow Bend".
std::string place_name(Random& random);
// A place name in capitals, as navaid names are written: "HARROW BEND".
std::string upper_place_name(Random& random);
// Upper-case identifiers of the given length from letters only.
std::string letters(Random& random, int length);
// A five-letter fix name such as "BOREK"; drawn from a small enough space that
// names come back in other regions, as real ones do.
std::string fix_name(Random& random);
// A terminal fix name: two letters and three digits, "AL090".
std::string terminal_fix_name(Random& random);
// A two-character region code such as "QX" or "K4".
std::string region_code(Random& random);

} // namespace quill::bench
