#include "container/DigestReadPass.h"

#include "container/ScrambleState.h"
#include "crypto/WipedBuffer.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace {

using ReadBuffer = WipedBuffer<std::uint8_t>;
using Buffers = std::vector<std::unique_ptr<ReadBuffer>>;

// Pieces read ahead of the digests: enough that neither thread waits for the
// other at every piece.
constexpr std::size_t kRingSlots = 6;
constexpr std::uint8_t kRegionStartChain = 0x55;

// Which pieces of the ring are ready to digest and which slots are free. Piece
// k lives in slot k % slots; every wait also ends once the pass has failed.
class PieceRing {
public:
    PieceRing(std::size_t slots, std::size_t digesters)
        : digesters_(digesters), held_(slots), pending_(slots, 0) {
        for (std::size_t slot = 0; slot < slots; ++slot) {
            // As if pieces -slots .. -1 had been digested.
            held_[slot] = static_cast<std::int64_t>(slot) - static_cast<std::int64_t>(slots);
        }
    }

    std::size_t Slot(std::size_t piece) const { return piece % held_.size(); }

    // True when the slot for the piece is free; with `wait`, once it is.
    bool TakeSlot(std::size_t piece, bool wait) {
        std::unique_lock lock(mutex_);
        const auto slotFree = [&] { return failed_ || SlotFree(piece); };
        if (wait) {
            changed_.wait(lock, slotFree);
        }
        return !failed_ && SlotFree(piece);
    }

    void Publish(std::size_t piece) {
        {
            const std::lock_guard lock(mutex_);
            held_[Slot(piece)] = static_cast<std::int64_t>(piece);
            pending_[Slot(piece)] = digesters_;
        }
        changed_.notify_all();
    }

    bool WaitReady(std::size_t piece) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return failed_ || Holds(piece); });
        return !failed_;
    }

    void Release(std::size_t piece) {
        {
            const std::lock_guard lock(mutex_);
            --pending_[Slot(piece)];
        }
        changed_.notify_all();
    }

    void Fail() {
        {
            const std::lock_guard lock(mutex_);
            failed_ = true;
        }
        changed_.notify_all();
    }

    bool Failed() {
        const std::lock_guard lock(mutex_);
        return failed_;
    }

private:
    bool Holds(std::size_t piece) const {
        return held_[Slot(piece)] == static_cast<std::int64_t>(piece);
    }
    bool SlotFree(std::size_t piece) const {
        const std::size_t slot = Slot(piece);
        return held_[slot] ==
                   static_cast<std::int64_t>(piece) - static_cast<std::int64_t>(held_.size()) &&
               pending_[slot] == 0;
    }

    const std::size_t digesters_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::int64_t> held_;
    std::vector<std::size_t> pending_;
    bool failed_ = false;
};

// What the threads share, and who does what: digest d is computed by thread
// d % threads; a thread left without a digest reads every piece, otherwise the
// threads take turns.
struct Pass {
    FileHandle& file;
    std::uint64_t bodyOffset;
    std::uint32_t count;
    std::span<Sha1Context* const> digests;
    std::size_t threads;
    Buffers& buffers;
    PieceRing& ring;

    std::size_t Pieces() const { return (count + kReadBackChunkSize - 1) / kReadBackChunkSize; }
    std::size_t Reader(std::size_t piece) const {
        return digests.size() < threads ? threads - 1 : piece % threads;
    }
    std::uint32_t PieceSize(std::size_t piece) const {
        const std::uint64_t start = std::uint64_t{piece} * kReadBackChunkSize;
        return static_cast<std::uint32_t>(
            std::min<std::uint64_t>(kReadBackChunkSize, count - start));
    }
    // The piece's bytes behind the byte its descrambling starts from.
    std::span<std::uint8_t> Bytes(std::size_t piece) const {
        return {buffers[ring.Slot(piece)]->data() + 1, PieceSize(piece)};
    }
};

// Reads the piece with the stored byte before it, and descrambles it.
bool Fill(const Pass& pass, std::size_t piece) {
    std::uint8_t* const buffer = pass.buffers[pass.ring.Slot(piece)]->data();
    const std::uint64_t start = std::uint64_t{piece} * kReadBackChunkSize;
    const bool first = piece == 0;
    const std::span<std::uint8_t> target{buffer + (first ? 1 : 0),
                                         pass.PieceSize(piece) + (first ? 0u : 1u)};
    if (first) {
        buffer[0] = kRegionStartChain;
    }
    const std::optional<std::size_t> read =
        pass.file.ReadAt(pass.bodyOffset + start - (first ? 0 : 1), target);
    if (!read || *read != target.size()) {
        return false;
    }
    ScrambleState scrambler;
    scrambler.resume(start, buffer[0]);
    scrambler.unscramble(pass.Bytes(piece));
    return true;
}

std::size_t NextOwnPiece(const Pass& pass, std::size_t thread, std::size_t from) {
    std::size_t piece = from;
    while (piece < pass.Pieces() && pass.Reader(piece) != thread) {
        ++piece;
    }
    return piece;
}

// One thread's share: its own pieces read as far ahead as the ring allows
// (waiting only for the piece it is about to digest), then its digests fed
// with every piece in order.
bool RunShare(const Pass& pass, std::size_t thread) {
    std::size_t nextRead = NextOwnPiece(pass, thread, 0);
    for (std::size_t piece = 0; piece < pass.Pieces(); ++piece) {
        while (nextRead < pass.Pieces() && pass.ring.TakeSlot(nextRead, nextRead <= piece)) {
            if (!Fill(pass, nextRead)) {
                pass.ring.Fail();
                return false;
            }
            pass.ring.Publish(nextRead);
            nextRead = NextOwnPiece(pass, thread, nextRead + 1);
        }
        if (thread >= pass.digests.size()) {
            continue;
        }
        if (!pass.ring.WaitReady(piece)) {
            return false;
        }
        for (std::size_t d = thread; d < pass.digests.size(); d += pass.threads) {
            const std::span<const std::uint8_t> bytes = pass.Bytes(piece);
            Sha1Update(*pass.digests[d], bytes.data(), static_cast<std::uint32_t>(bytes.size()));
        }
        pass.ring.Release(piece);
    }
    return !pass.ring.Failed();
}

// No more slots than pieces, none larger than a piece and its lead byte: a
// small body costs little to read back.
bool AllocateBuffers(Buffers& buffers, std::size_t slots, std::uint32_t count) {
    const std::size_t pieces = (std::size_t{count} + kReadBackChunkSize - 1) / kReadBackChunkSize;
    const std::uint32_t size = std::min(count, kReadBackChunkSize) + 1;
    try {
        buffers.resize(std::clamp<std::size_t>(pieces, 1, slots));
        for (auto& buffer : buffers) {
            buffer = std::make_unique<ReadBuffer>(size);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

ResultCode RunAlone(FileHandle& file, std::uint64_t bodyOffset,
                    std::span<Sha1Context* const> digests, std::uint32_t count, Buffers& buffers) {
    PieceRing ring(buffers.size(), 1);
    const Pass pass{file, bodyOffset, count, digests, 1, buffers, ring};
    return RunShare(pass, 0) ? RC_OK : RC_FAILED;
}

// The second share on a thread of its own; the pass runs alone when none can be had.
ResultCode RunSideBySide(FileHandle& file, std::uint64_t bodyOffset,
                         std::span<Sha1Context* const> digests, std::uint32_t count,
                         Buffers& buffers) {
    PieceRing ring(buffers.size(), std::min<std::size_t>(2, digests.size()));
    const Pass pass{file, bodyOffset, count, digests, 2, buffers, ring};
    std::thread second;
    try {
        second = std::thread([&pass] {
            if (!RunShare(pass, 1)) {
                pass.ring.Fail();
            }
        });
    } catch (const std::system_error&) {
        return RunAlone(file, bodyOffset, digests, count, buffers);
    }
    if (!RunShare(pass, 0)) {
        ring.Fail();
    }
    second.join();
    return ring.Failed() ? RC_FAILED : RC_OK;
}

} // namespace

ResultCode DigestReadPass(FileHandle& file, std::uint64_t bodyOffset,
                          std::span<Sha1Context* const> digests, std::uint32_t count,
                          ReadOverlap overlap) {
    const bool overlapped = overlap == ReadOverlap::Overlapped;
    Buffers buffers;
    if (!AllocateBuffers(buffers, overlapped ? kRingSlots : 1, count)) {
        return RC_NO_MEMORY;
    }
    return overlapped ? RunSideBySide(file, bodyOffset, digests, count, buffers)
                      : RunAlone(file, bodyOffset, digests, count, buffers);
}

ResultCode DigestReadPass(FileHandle& file, std::uint64_t bodyOffset, Sha1Context& digest,
                          std::uint32_t count, ReadOverlap overlap) {
    const std::array<Sha1Context*, 1> digests{&digest};
    return DigestReadPass(file, bodyOffset, digests, count, overlap);
}
