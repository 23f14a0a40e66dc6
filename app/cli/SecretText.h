#pragma once
// Bytes that must not outlive their use (a password, a plain text): wiped when
// the object ends or moves on. Reserve the room first where the text grows, so
// that no copy is left behind in a released buffer.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class SecretText {
public:
    SecretText() = default;
    // Takes the bytes over and wipes what the moved-from string may still hold.
    explicit SecretText(std::string&& text) noexcept;
    ~SecretText() { Wipe(); }
    SecretText(SecretText&& other) noexcept : SecretText(std::move(other.text_)) {}
    SecretText& operator=(SecretText&& other) noexcept;
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;

    [[nodiscard]] std::string& Text() { return text_; }
    [[nodiscard]] std::string_view View() const { return text_; }
    [[nodiscard]] const std::string& String() const { return text_; }
    [[nodiscard]] std::span<const std::uint8_t> Bytes() const {
        return {reinterpret_cast<const std::uint8_t*>(text_.data()), text_.size()};
    }
    [[nodiscard]] bool Empty() const { return text_.empty(); }

    // Zeroes every byte the string holds, its spare capacity included, and empties it.
    void Wipe();

private:
    std::string text_;
};
