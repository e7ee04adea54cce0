// How place words, names and identifiers are made up from syllables and letters.
#include "cycle/names.h"

#include <array>
#include <string_view>

namespace quill::bench {

namespace {

constexpr std::array<std::string_view, 26> kOnsets{
    "b", "br", "c", "d", "dr", "f", "g", "gr", "h", "k", "kl", "l", "m",
    "n", "p", "r", "s", "st", "t", "tr", "v", "w", "z", "sh", "th", "ch"};
constexpr std::array<std::string_view, 8> kVowels{"a", "e", "i", "o", "u", "ai", "ea", "y"};
constexpr std::array<std::string_view, 12> kCodas{"", "", "", "n", "r", "l", "s", "m", "rk", "nd", "th", "ck"};
constexpr std::array<std::string_view, 10> kEndings{"", "ton", "ford", "mere", "by", "ville", "wick", "stad", "ina", "holm"};
constexpr std::string_view kConsonants = "BCDFGHJKLMNPRSTVWXZ";
constexpr std::string_view kVowelLetters = "AEIOU";

template <std::size_t N>
std::string_view any(Random& random, const std::array<std::string_view, N>& items) {
    return items[random.next() % N];
}

char any_letter(Random& random, std::string_view from) { return from[random.next() % from.size()]; }

} // namespace

std::string place_word(Random& random) {
    std::string word;
    const int syllables = random.between(1, 2);
    for (int i = 0; i < syllables; ++i) {
        word += any(random, kOnsets);
        word += any(random, kVowels);
        word += any(random, kCodas);
    }
    word += any(random, kEndings);
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::string place_name(Random& random) {
    std::string name = place_word(random);
    for (int words = random.between(0, 2); words > 0 && random.chance(0.4); --words) {
        name += ' ';
        name += place_word(random);
    }
    return name;
}

std::string upper_place_name(Random& random) {
    std::string name = place_name(random);
    for (char& c : name) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return name;
}

std::string letters(Random& random, int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += static_cast<char>('A' + random.next() % 26);
    return text;
}

std::string fix_name(Random& random) {
    // Consonant-vowel patterns such as BOREK and IRVAN, and some unpronounceable ones.
    static constexpr std::array<std::string_view, 2> kPatterns{"CVCVC", "VCCVC"};
    static constexpr double kWeights[] = {0.7, 0.12, 0.18};
    const std::size_t choice = random.weighted(kWeights);
    if (choice == 2) return letters(random, 5);
    std::string name;
    for (char slot : kPatterns[choice])
        name += any_letter(random, slot == 'C' ? kConsonants : kVowelLetters);
    return name;
}

std::string terminal_fix_name(Random& random) {
    std::string name = letters(random, 2);
    const int digits = random.between(0, 359);
    name += static_cast<char>('0' + digits / 100);
    name += static_cast<char>('0' + digits / 10 % 10);
    name += static_cast<char>('0' + digits % 10);
    return name;
}

std::string region_code(Random& random) {
    std::string code = letters(random, 1);
    code += random.chance(0.15) ? static_cast<char>('1' + random.next() % 9)
                                : static_cast<char>('A' + random.next() % 26);
    return code;
}

} // namespace quill::bench
