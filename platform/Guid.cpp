#include "kelvara/platform/Guid.h"

#include <pthread.h>
#include <sys/random.h>

#include <atomic>
#include <chrono>
#include <cstring>

namespace {

// Counts the forks this process came out of: a child must not repeat its parent's sequence, so
// every generator reseeds when the count differs from the one it was seeded at.
std::atomic<unsigned> g_forkGeneration{0};

void countFork() noexcept { g_forkGeneration.fetch_add(1, std::memory_order_relaxed); }

// xoshiro256**: fast, 256 bits of state, good enough for identifiers that must not collide
// by chance (the state is seeded from the kernel, never from the clock alone).
class Generator {
public:
    Generator() {
        static const bool registered = pthread_atfork(nullptr, nullptr, countFork) == 0;
        (void)registered;
        seed();
    }
    void seedFrom(std::uint64_t seed) noexcept {
        // splitmix64 spreads one seed over the four words of state.
        for (std::uint64_t& word : m_s) {
            seed += 0x9E3779B97F4A7C15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            word = z ^ (z >> 31);
        }
        if ((m_s[0] | m_s[1] | m_s[2] | m_s[3]) == 0) m_s[0] = 1;
        m_generation = g_forkGeneration.load(std::memory_order_relaxed);
    }
    void reseedAfterFork() {
        if (m_generation != g_forkGeneration.load(std::memory_order_relaxed)) seed();
    }
    std::uint64_t next() noexcept {
        const std::uint64_t result = rotl(m_s[1] * 5, 7) * 9;
        const std::uint64_t t = m_s[1] << 17;
        m_s[2] ^= m_s[0];
        m_s[3] ^= m_s[1];
        m_s[1] ^= m_s[2];
        m_s[0] ^= m_s[3];
        m_s[2] ^= t;
        m_s[3] = rotl(m_s[3], 45);
        return result;
    }

private:
    void seed() {
        m_generation = g_forkGeneration.load(std::memory_order_relaxed);
        std::uint64_t bits[4] = {};
        std::size_t got = 0;
        while (got < sizeof bits) {
            const ssize_t n = getrandom(reinterpret_cast<char*>(bits) + got, sizeof bits - got, 0);
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        if (got < sizeof bits) {  // no entropy source: mix the clock and an address
            const auto t = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
            bits[0] ^= t;
            bits[1] ^= reinterpret_cast<std::uintptr_t>(&bits);
            bits[2] ^= t * 0x9E3779B97F4A7C15ull;
            bits[3] ^= 0xD1B54A32D192ED03ull;
        }
        for (int i = 0; i < 4; ++i) m_s[i] = bits[i];
        if ((m_s[0] | m_s[1] | m_s[2] | m_s[3]) == 0) m_s[0] = 1;
    }
    static std::uint64_t rotl(std::uint64_t x, int k) noexcept { return (x << k) | (x >> (64 - k)); }
    std::uint64_t m_s[4];
    unsigned m_generation = 0;
};

Generator& threadGenerator() {
    thread_local Generator generator;
    return generator;
}

}  // namespace

void seedGuidGenerator(std::uint64_t seed) noexcept { threadGenerator().seedFrom(seed); }

long CoCreateGuid(_GUID* guid) noexcept {
    if (!guid) return -1;
    Generator& generator = threadGenerator();
    generator.reseedAfterFork();
    const std::uint64_t hi = generator.next();
    const std::uint64_t lo = generator.next();
    guid->Data1 = static_cast<std::uint32_t>(hi >> 32);
    guid->Data2 = static_cast<std::uint16_t>(hi >> 16);
    guid->Data3 = static_cast<std::uint16_t>((hi & 0x0FFF) | 0x4000);  // version 4
    for (int i = 0; i < 8; ++i) guid->Data4[i] = static_cast<std::uint8_t>(lo >> (56 - 8 * i));
    guid->Data4[0] = static_cast<std::uint8_t>((guid->Data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    return 0;
}
