#pragma once
// Wipes a secret's bytes when the scope that holds it ends, on every way out.

#include "crypto/WipedBuffer.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>

class ScopedWipe {
public:
    explicit ScopedWipe(std::string& bytes) : wipe_([&bytes] { Wipe(bytes); }) {}
    explicit ScopedWipe(QByteArray& bytes) : wipe_([&bytes] { bytes.fill('\0'); }) {}
    explicit ScopedWipe(QString& text) : wipe_([&text] { text.fill(u'\0'); }) {}
    ~ScopedWipe() { wipe_(); }
    ScopedWipe(const ScopedWipe&) = delete;
    ScopedWipe& operator=(const ScopedWipe&) = delete;

private:
    static void Wipe(std::string& bytes) {
        WipeMemory(bytes.data(), bytes.size());
        bytes.clear();
    }

    std::function<void()> wipe_;
};
