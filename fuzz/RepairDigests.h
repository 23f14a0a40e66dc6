#pragma once
// Makes the digests of a mutated container or message right again, so that
// the fuzzer's changes to lengths, flags, verifier and body get past the
// digest tests to the checks and the deciphering behind them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct RepairedContainer {
    std::vector<std::uint8_t> bytes;
    // Magic, password flag and a body of originalSize bytes: VerifyFile must accept it.
    bool intact = false;
};

// totalLength set to the size less the header, then the key block, body and
// container digests. Nothing when shorter than header and key block.
[[nodiscard]] std::optional<RepairedContainer> RepairContainer(std::span<const std::uint8_t> bytes);

struct RepairedMessage {
    std::string armour;
    // Password flag and a body of originalSize bytes: only the password can fail.
    bool intact = false;
};

// The first block's payload with its key block and body digests recomputed,
// armoured again. Nothing when the block is missing, undecodable or shorter
// than a key block.
[[nodiscard]] std::optional<RepairedMessage> RepairMessage(std::string_view text);
