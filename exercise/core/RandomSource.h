#pragma once

#include <QList>
#include <QtGlobal>

#include <random>

// Every random draw of an exercise goes through this seam, so tests can fix
// the sequence or pick exact values while the program uses a real generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // Uniform whole number r with 0 <= r < n.
    virtual int below(int n) = 0;
};

// Seeded from the clock and the system's entropy, so every run differs.
class SystemRandomSource final : public RandomSource
{
public:
    SystemRandomSource();
    void reseed() override;
    int below(int n) override;

private:
    std::mt19937 m_engine;
};

// A fixed sequence for tests and tools; reseed() keeps it fixed.
class SeededRandomSource final : public RandomSource
{
public:
    explicit SeededRandomSource(quint32 seed);
    void reseed() override;
    int below(int n) override;

private:
    std::mt19937 m_engine;
};

// Hands out the given values in turn, cycling, each reduced into 0..n-1.
class ScriptedRandomSource final : public RandomSource
{
public:
    explicit ScriptedRandomSource(QList<int> values);
    void reseed() override;
    int below(int n) override;

private:
    QList<int> m_values;
    qsizetype m_next = 0;
};
