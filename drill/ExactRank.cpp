#include "drill/ExactRank.h"

#include <algorithm>

namespace {

using Residue = uint64_t;

Residue mulMod(Residue a, Residue b, Residue p) {
    return static_cast<Residue>(static_cast<unsigned __int128>(a) * b % p);
}

Residue powMod(Residue a, Residue e, Residue p) {
    Residue r = 1;
    for (; e; e >>= 1, a = mulMod(a, a, p))
        if (e & 1)
            r = mulMod(r, a, p);
    return r;
}

// Miller-Rabin with the first twelve primes as bases: exact for 64 bits.
bool isPrime(Residue v) {
    Residue d = v - 1;
    int s = 0;
    for (; d % 2 == 0; d /= 2)
        ++s;
    for (Residue a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        Residue x = powMod(a, d, v);
        if (x == 1 || x == v - 1)
            continue;
        bool composite = true;
        for (int i = 1; i < s && composite; ++i) {
            x = mulMod(x, x, v);
            composite = x != v - 1;
        }
        if (composite)
            return false;
    }
    return true;
}

// Primes just below 2^61, so many that their product exceeds every minor of
// up to 4 rows of 5 fractions of 32 bits brought to whole numbers (each
// entry then stays under 2^186, a minor under 2^749). Every prime exceeds
// every 32-bit denominator, so each fraction has a value modulo each prime.
const std::vector<Residue>& rankPrimes() {
    static const std::vector<Residue> primes = [] {
        std::vector<Residue> found;
        for (Residue v = (Residue{1} << 61) - 1; found.size() < 13; v -= 2)
            if (isPrime(v))
                found.push_back(v);
        return found;
    }();
    return primes;
}

int rankModulo(const std::vector<std::vector<RankValue>>& rows, int columns, Residue p) {
    auto residue = [p](int64_t v) {
        const int64_t m = v % static_cast<int64_t>(p);
        return static_cast<Residue>(m < 0 ? m + static_cast<int64_t>(p) : m);
    };
    std::vector<std::vector<Residue>> a;
    for (const auto& row : rows) {
        a.emplace_back();
        for (int c = 0; c < columns; ++c) {
            // A denominator of 0 (a value no operation writes) counts as 0.
            const Residue den = residue(row[c].den);
            a.back().push_back(den == 0 ? 0
                                        : mulMod(residue(row[c].num), powMod(den, p - 2, p), p));
        }
    }
    const int count = static_cast<int>(a.size());
    int rank = 0;
    for (int c = 0; c < columns && rank < count; ++c) {
        int pivot = rank;
        while (pivot < count && a[pivot][c] == 0)
            ++pivot;
        if (pivot == count)
            continue;
        std::swap(a[rank], a[pivot]);
        const Residue inverse = powMod(a[rank][c], p - 2, p);
        for (int r = rank + 1; r < count; ++r) {
            const Residue k = mulMod(a[r][c], inverse, p);
            for (int j = c; j < columns; ++j)
                a[r][j] = (a[r][j] + p - mulMod(k, a[rank][j], p)) % p;
        }
        ++rank;
    }
    return rank;
}

// The exact rank over the rationals of the first `columns` columns: a rank
// modulo a prime never exceeds it and equals it unless the prime divides a
// non-zero minor, which cannot hold for all of rankPrimes() at once.
}  // namespace

int exactRank(const std::vector<std::vector<RankValue>>& rows, int columns) {
    int rank = 0;
    for (Residue p : rankPrimes())
        rank = std::max(rank, rankModulo(rows, columns, p));
    return rank;
}
