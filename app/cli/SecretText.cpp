#include "SecretText.h"

#include "crypto/WipedBuffer.h"

namespace {

// A short string keeps its bytes inside the object, where a move copies them.
void WipeString(std::string& text) {
    text.resize(text.capacity());
    WipeMemory(text.data(), text.size());
    text.clear();
}

} // namespace

SecretText::SecretText(std::string&& text) noexcept : text_(std::move(text)) {
    WipeString(text);
}

SecretText& SecretText::operator=(SecretText&& other) noexcept {
    if (this != &other) {
        Wipe();
        text_ = std::move(other.text_);
        WipeString(other.text_);
    }
    return *this;
}

void SecretText::Wipe() {
    WipeString(text_);
}
