#include "exercise/core/RandomSource.h"

#include <chrono>
#include <utility>

namespace {

// Empty or inverted ranges have only one sensible answer; the standard
// distribution would be undefined for them.
int uniformBelow(std::mt19937 &engine, int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

void seedFromSystem(std::mt19937 &engine)
{
    std::random_device device;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seeds{device(), device(), static_cast<unsigned>(ticks),
                        static_cast<unsigned>(static_cast<quint64>(ticks) >> 32)};
    engine.seed(seeds);
}

} // namespace

SystemRandomSource::SystemRandomSource()
{
    seedFromSystem(m_engine);
}

void SystemRandomSource::reseed()
{
    seedFromSystem(m_engine);
}

int SystemRandomSource::below(int n)
{
    return uniformBelow(m_engine, n);
}

SeededRandomSource::SeededRandomSource(quint32 seed)
    : m_engine(seed)
{
}

void SeededRandomSource::reseed()
{
}

int SeededRandomSource::below(int n)
{
    return uniformBelow(m_engine, n);
}

ScriptedRandomSource::ScriptedRandomSource(QList<int> values)
    : m_values(std::move(values))
{
}

void ScriptedRandomSource::reseed()
{
}

int ScriptedRandomSource::below(int n)
{
    if (m_values.isEmpty())
        return 0;
    const int value = m_values.at(m_next);
    m_next = (m_next + 1) % m_values.size();
    if (n <= 1)
        return 0;
    return ((value % n) + n) % n;
}
