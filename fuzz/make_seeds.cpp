// Writes the seed corpora of the fuzz targets with the program's own writers:
//   make_seeds <message folder> <container folder>
// Sealed seeds use the fuzz password, so the fuzzer starts from inputs that
// pass every check; the altered ones each stop at a different check.

#include "FuzzPassword.h"
#include "RepairDigests.h"
#include "container/Armour.h"
#include "container/Base64.h"
#include "container/EncryptFile.h"
#include "container/FileHeader.h"
#include "container/KeyBlock.h"
#include "container/LittleEndian.h"
#include "container/ScrambleState.h"
#include "container/SealMessage.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kComment = "Encrypted with Quiralis.";

[[noreturn]] void Fail(std::string_view what) {
    std::cerr << "make_seeds: " << what << '\n';
    std::exit(1);
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in) {
        Fail("cannot read " + path.string());
    }
    return bytes;
}

void WriteSeed(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        Fail("cannot write " + path.string());
    }
}

std::string Seal(std::string_view text, std::string_view password, bool forceViewer) {
    std::string armour;
    if (SealMessage(text, PasswordBytes(password), forceViewer, kComment, armour) != RC_OK) {
        Fail("cannot seal a message");
    }
    return armour;
}

void ClearPasswordFlag(std::span<std::uint8_t, kKeyBlockSize> scrambledKeyBlock) {
    ScrambleState().unscramble(scrambledKeyBlock);
    SetU32(scrambledKeyBlock, KeyBlockOffset::flags,
           GetU32(scrambledKeyBlock, KeyBlockOffset::flags) & ~FLAG_PASSWORD);
    ScrambleState().scramble(scrambledKeyBlock);
}

std::vector<std::uint8_t> MessagePayload(std::string_view armour) {
    std::string filtered;
    if (FindArmour(armour, filtered) != RC_OK) {
        Fail("no armour in a sealed message");
    }
    auto payload = Base64Decode(filtered);
    if (!payload || payload->size() < kKeyBlockSize) {
        Fail("a sealed message does not decode");
    }
    return *payload;
}

// Digests right, password flag cleared: the reader refuses it as key-protected.
std::string KeyProtectedMessage(std::string_view armour) {
    std::vector<std::uint8_t> payload = MessagePayload(armour);
    ClearPasswordFlag(std::span<std::uint8_t, kKeyBlockSize>(payload.data(), kKeyBlockSize));
    return RepairMessage(WriteArmour(kComment, payload)).value().armour;
}

std::string WithLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += lineBreak;
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

void WriteMessageSeeds(const fs::path& folder) {
    const std::string sealed = Seal("A short note for the fuzzer.\r\n", kFuzzPassword, false);
    WriteSeed(folder / "sealed.txt", sealed);
    WriteSeed(folder / "sealed_force_viewer.txt",
              Seal("Gr\xC3\xBC\xC3\x9F"
                   "e aus Z\xC3\xBCrich \xE2\x80\x93 read me here.",
                   kFuzzPassword, true));
    WriteSeed(folder / "sealed_in_mail.txt",
              "Re: the plan\r\n\r\nAs promised:\r\n\r\n" + WithLineBreaks(sealed, "\r\n") +
                  "\r\n\r\n-- \r\nsent from the field\r\n" + Seal("x", kFuzzPassword, false));
    WriteSeed(folder / "sealed_other_password.txt",
              WithLineBreaks(Seal("Not for this password.", kOtherPassword, false), "\n"));
    WriteSeed(folder / "key_protected.txt", KeyProtectedMessage(sealed));
}

class GoOn final : public ProgressSink {
public:
    std::uint32_t ReportProgress(std::uint32_t, std::uint32_t) override { return 0; }
};

std::vector<std::uint8_t> Encrypt(const fs::path& work, std::string_view plain,
                                  std::string_view password) {
    const fs::path source = work / "plain";
    const fs::path container = work / "plain.qmx";
    WriteSeed(source, plain);
    const std::string passwordBytes(password);
    GoOn goOn;
    if (EncryptFile(source.string(), container.string(), &passwordBytes, goOn) != RC_OK) {
        Fail("cannot encrypt a file");
    }
    const std::string bytes = ReadWhole(container);
    fs::remove(source);
    fs::remove(container);
    return {bytes.begin(), bytes.end()};
}

std::string_view AsText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// Every digest right, password flag cleared: refused as key-protected.
std::vector<std::uint8_t> KeyProtectedContainer(std::vector<std::uint8_t> container) {
    ClearPasswordFlag(
        std::span<std::uint8_t, kKeyBlockSize>(container.data() + kFileHeaderSize, kKeyBlockSize));
    return RepairContainer(container).value().bytes;
}

void WriteContainerSeeds(const fs::path& folder) {
    const fs::path work = folder / ".make_seeds";
    fs::create_directories(work);
    const std::vector<std::uint8_t> small =
        Encrypt(work, "Plain bytes for the fuzzer: a line of text.\n", kFuzzPassword);
    WriteSeed(folder / "small.qmx", AsText(small));
    WriteSeed(folder / "one_byte.qmx", AsText(Encrypt(work, "x", kFuzzPassword)));

    std::string binary;
    for (int i = 0; i < 600; ++i) {
        binary += static_cast<char>(i * 7 % 256);
    }
    WriteSeed(folder / "binary.qmx", AsText(Encrypt(work, binary, kFuzzPassword)));
    WriteSeed(folder / "other_password.qmx",
              AsText(Encrypt(work, "Sealed with another password.", kOtherPassword)));

    WriteSeed(folder / "truncated.qmx", AsText(small).substr(0, small.size() - 1));
    std::vector<std::uint8_t> wrongMagic = small;
    wrongMagic[FileHeaderOffset::magic + 2] ^= 0x20;
    WriteSeed(folder / "wrong_magic.qmx", AsText(wrongMagic));
    WriteSeed(folder / "key_protected.qmx", AsText(KeyProtectedContainer(small)));
    fs::remove(work);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        Fail("usage: make_seeds <message folder> <container folder>");
    }
    WriteMessageSeeds(argv[1]);
    WriteContainerSeeds(argv[2]);
    return 0;
}
