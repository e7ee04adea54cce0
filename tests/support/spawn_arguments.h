// The argument vector a POSIX program is started with, for the tests that start the programs
// built with them.
#pragma once

#include <string>
#include <vector>

namespace quill::test {

// The program's path, then the parameters, then the null that ends them, as posix_spawn takes
// them; they live as long as the object.
class SpawnArguments {
public:
    SpawnArguments(const std::string& program, const std::vector<std::string>& parameters)
        : words_{program} {
        words_.insert(words_.end(), parameters.begin(), parameters.end());
        for (std::string& word : words_) pointers_.push_back(word.data());
        pointers_.push_back(nullptr);
    }
    SpawnArguments(const SpawnArguments&) = delete;
    SpawnArguments& operator=(const SpawnArguments&) = delete;

    char* const* argv() const { return pointers_.data(); }

private:
    std::vector<std::string> words_;
    std::vector<char*> pointers_;
};

} // namespace quill::test
