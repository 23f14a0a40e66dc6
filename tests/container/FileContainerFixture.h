#pragma once
// Test helpers for the file container: a fresh folder per test, a progress
// sink that records every report (and can cancel at one), and the plain parts
// of a stored container, taken apart and put back together with their digests
// recomputed, so that a test can damage one thing and keep the rest intact.

#include "container/FileHeader.h"
#include "container/KeyBlock.h"
#include "container/LittleEndian.h"
#include "container/ProgressSink.h"
#include "container/ResultCode.h"
#include "container/ScrambleState.h"
#include "crypto/Sha1Context.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline const std::string kPassword = "Tr0ub4dor&3";

class ContainerTestFolder {
public:
    ContainerTestFolder() {
        char pattern[] = "/tmp/qmx-container-XXXXXX";
        if (::mkdtemp(pattern) != nullptr) {
            root_ = pattern;
        }
    }
    ~ContainerTestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ContainerTestFolder(const ContainerTestFolder&) = delete;
    ContainerTestFolder& operator=(const ContainerTestFolder&) = delete;

    std::string Path(const std::string& name) const { return (root_ / name).string(); }

    void Write(const std::string& name, const Bytes& bytes) const {
        std::ofstream file(root_ / name, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    Bytes Read(const std::string& name) const {
        std::ifstream file(root_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(root_ / name); }

    // Every entry, hidden ones included: a leftover temporary file shows here.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(root_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

private:
    std::filesystem::path root_;
};

// Varied bytes, different for each seed.
inline Bytes PatternBytes(std::size_t count, std::uint32_t seed = 1) {
    Bytes bytes(count);
    std::uint32_t state = seed * 2654435761u + 1;
    for (std::uint8_t& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

using ProgressReport = std::pair<std::uint32_t, std::uint32_t>;

class RecordingProgress : public ProgressSink {
public:
    // cancelAt counts reports from 1; 0 never cancels.
    explicit RecordingProgress(std::size_t cancelAt = 0) : cancelAt_(cancelAt) {}

    std::uint32_t ReportProgress(std::uint32_t total, std::uint32_t done) override {
        reports.emplace_back(total, done);
        return reports.size() == cancelAt_ ? RC_CANCELLED : 0;
    }

    std::vector<ProgressReport> reports;

private:
    std::size_t cancelAt_;
};

// A stored container with its scrambling removed; body is the enciphered body.
struct PlainContainer {
    FileHeader header{};
    KeyBlock keyBlock{};
    Bytes body;

    std::uint32_t Field(std::size_t offset) const { return GetU32(keyBlock, offset); }
};

inline PlainContainer Unwrap(const Bytes& stored) {
    PlainContainer plain;
    std::copy_n(stored.begin(), kFileHeaderSize, plain.header.begin());
    std::copy_n(stored.begin() + kFileHeaderSize, kKeyBlockSize, plain.keyBlock.begin());
    plain.body.assign(stored.begin() + kFileHeaderSize + kKeyBlockSize, stored.end());
    ScrambleState().unscramble(FileHeaderScrambledPart(plain.header));
    ScrambleState().unscramble(plain.keyBlock);
    ScrambleState().unscramble(plain.body);
    return plain;
}

inline Bytes Wrap(PlainContainer plain) {
    ScrambleState().scramble(FileHeaderScrambledPart(plain.header));
    ScrambleState().scramble(plain.keyBlock);
    ScrambleState().scramble(plain.body);
    Bytes stored(plain.header.begin(), plain.header.end());
    stored.insert(stored.end(), plain.keyBlock.begin(), plain.keyBlock.end());
    stored.insert(stored.end(), plain.body.begin(), plain.body.end());
    return stored;
}

inline Sha1Digest Sha1Of(const Bytes& bytes) {
    Sha1Context context{};
    Sha1Init(context);
    Sha1Update(context, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    Sha1Digest digest;
    std::memcpy(digest.data(), Sha1Final(context), digest.size());
    return digest;
}

// Recomputes what a writer would store for these parts: totalLength, the body
// digest over the first originalSize body bytes (unless kept), the key block
// digest and the container digest.
inline void Reseal(PlainContainer& plain, bool keepBodyDigest = false) {
    SetU32(plain.header, FileHeaderOffset::totalLength,
           static_cast<std::uint32_t>(kKeyBlockSize + plain.body.size()));
    if (!keepBodyDigest) {
        const std::size_t covered =
            std::min<std::size_t>(plain.Field(KeyBlockOffset::originalSize), plain.body.size());
        StoreDigest(plain.keyBlock, KeyBlockOffset::bodyDigest,
                    Sha1Of(Bytes(plain.body.data(), plain.body.data() + covered)));
    }
    StoreDigest(plain.keyBlock, KeyBlockOffset::keyBlockDigest, FileKeyBlockDigest(plain.keyBlock));
    Bytes covered(plain.keyBlock.begin(), plain.keyBlock.end());
    covered.insert(covered.end(), plain.body.begin(), plain.body.end());
    const Sha1Digest digest = Sha1Of(covered);
    std::copy(digest.begin(), digest.end(),
              plain.header.begin() + FileHeaderOffset::containerDigest);
}
