#include "toolkit/randomsource.h"

#include <QDateTime>
#include <random>

namespace {
std::mt19937 &generator()
{
    static std::mt19937 g(12345);
    return g;
}
std::function<double()> &override()
{
    static std::function<double()> f;
    return f;
}
} // namespace

void randomize() { generator().seed(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch())); }

double rnd()
{
    if (override())
        return override()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

void setRandomSource(std::function<double()> source) { override() = std::move(source); }
