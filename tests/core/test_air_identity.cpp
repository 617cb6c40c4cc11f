// The humid-air model bit for bit: the result, every getter and the limit
// text after every setter of a dense set of setter sequences (and the public
// property functions over a grid), hashed in blocks and compared with the
// figures in air_identity.inc. The figures come from the model as it was
// before its solves were shared between setters; a rearranged sum or a
// Newton run from another start that changes one last bit shows here.
//
// The figures are those of glibc's exp on x86-64. To record them anew after
// an intended change of results, run the test with the environment variable
// ZENTARO_AIR_IDENTITY_OUT=tests/core/air_identity.inc (from the source
// folder) and let the diff show which blocks changed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iomanip>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "media/CPara.h"
#include "media/CPowietrze.h"

namespace {

constexpr int kRh = CPowietrze::kRelativeHumidityMode;
constexpr int kX = CPowietrze::kMoistureContentMode;
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Steps per block: small enough to say where a difference lies.
constexpr int kBlockSteps = 2000;

struct Block {
    const char* scenario;
    int firstStep;
    int steps;
    std::uint64_t hash;
};

const Block kRecorded[] = {
#include "air_identity.inc"
};

struct Computed {
    std::string scenario;
    int firstStep;
    int steps;
    std::uint64_t hash;
};

// FNV-1a over the bit patterns of what a caller can see.
class Recorder {
public:
    void Begin(const std::string& scenario)
    {
        m_scenario = scenario;
        m_step = 0;
    }

    // After a setter: its result and the whole model.
    void Step(const CPowietrze& a, int result)
    {
        Open();
        MixInt(result);
        for (double v : {a.GetBarometricPressure(), a.GetTemperature(), a.GetRelativeHumidity(),
                         a.GetMoistureContent(), a.GetMassFlow(), a.GetEnthalpy(), a.GetSpecificVolume(),
                         a.GetVapourPressure(), a.GetDewPoint(), a.GetWetBulbTemperature(),
                         a.GetDynamicViscosity(), a.GetKinematicViscosity(), a.GetMaxTemperature(),
                         a.GetMaxMoistureContent()})
            MixDouble(v);
        const std::string& text = a.GetLimitText();
        MixInt(static_cast<int>(text.size()));
        for (char c : text)
            MixByte(static_cast<unsigned char>(c));
        Close();
    }

    // The value of a property function.
    void Value(double v)
    {
        Open();
        MixDouble(v);
        Close();
    }

    const std::vector<Computed>& Blocks() const { return m_blocks; }

private:
    void Open()
    {
        if (m_blocks.empty() || m_blocks.back().scenario != m_scenario || m_blocks.back().steps == kBlockSteps)
            m_blocks.push_back({m_scenario, m_step, 0, 14695981039346656037ull});
    }
    void Close()
    {
        ++m_blocks.back().steps;
        ++m_step;
    }
    void MixByte(unsigned char b)
    {
        std::uint64_t& h = m_blocks.back().hash;
        h = (h ^ b) * 1099511628211ull;
    }
    void MixDouble(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i)
            MixByte(static_cast<unsigned char>(bits >> (8 * i)));
    }
    void MixInt(int v)
    {
        for (int i = 0; i < 4; ++i)
            MixByte(static_cast<unsigned char>(static_cast<unsigned>(v) >> (8 * i)));
    }

    std::string m_scenario;
    int m_step = 0;
    std::vector<Computed> m_blocks;
};

// The model with every setter recorded.
class Recorded {
public:
    explicit Recorded(Recorder& recorder) : m_r(recorder) {}
    CPowietrze air;
    void Pressure(double p, int mode) { m_r.Step(air, air.SetBarometricPressure(p, mode)); }
    void Temperature(double t, int mode) { m_r.Step(air, air.SetTemperature(t, mode)); }
    void Humidity(double phi) { m_r.Step(air, air.SetRelativeHumidity(phi)); }
    void Moisture(double x) { m_r.Step(air, air.SetMoistureContent(x)); }
    void MassFlow(double m) { m_r.Step(air, air.SetMassFlow(m)); }

private:
    Recorder& m_r;
};

double BoilingTemperature(double pressure)
{
    CPara line;
    return line.SaturationTemperature(pressure);
}

// 250 K to past the largest maximum, denser around the limits and the
// boiling temperature, where the wet-bulb search changes its course.
std::vector<double> Temperatures(double boiling, double step)
{
    std::vector<double> t;
    for (double v = 250.0; v <= 1076; v += step)
        t.push_back(v);
    for (double v : {253.149, 253.14899999, 253.1499, 253.14995, 253.15, 273.15, 647.14, 647.2, 647.286, 1073.15,
                     1073.16})
        t.push_back(v);
    for (double d = -2.0; d < 1.0; d += 0.0173)
        t.push_back(boiling + d);
    for (double d : {-0.308, -1e-3, -1e-6, -1e-9, 0.0, 1e-9, 1e-6})
        t.push_back(boiling + d);
    t.push_back(std::nextafter(boiling, 0.0));
    t.push_back(std::nextafter(boiling, kInf));
    return t;
}

const std::vector<double> kHumidities = {-1,  0,  1e-9, 0.01, 0.12, 0.5, 1,  2.5,   5,   10,   20,
                                         30,  40, 50,   60,   70,   80,  90, 97, 99.99, 100, 100.5};

const std::vector<double> kMoistures = {-0.001, 0,   5e-8, 1e-7, 2e-7, 0.001, 0.005, 0.01,   0.0148, 0.02,
                                        0.05,   0.2, 1,    10,   6000, 1e6,   1e300, 1e308, kMax};

// No pressure given (100000 Pa, maximum 1073.15 K), then each end of the
// range, the default and the standard atmosphere.
const std::vector<double> kPressures = {0, 96000, 100000, 101325, 104000};

void RelativeHumiditySweeps(Recorder& r)
{
    for (double p : kPressures) {
        const double boiling = BoilingTemperature(p == 0 ? 100000 : p);
        const std::vector<double> temperatures = Temperatures(boiling, 1.37);
        const std::string name = "rh p=" + std::to_string(static_cast<int>(p));
        // The page's order: a temperature, then every humidity at it.
        r.Begin(name + " by temperature");
        {
            Recorded m(r);
            if (p != 0)
                m.Pressure(p, kRh);
            for (double t : temperatures) {
                m.Temperature(t, kRh);
                for (double phi : kHumidities)
                    m.Humidity(phi);
            }
        }
        // A humidity, then every temperature at it.
        r.Begin(name + " by humidity");
        {
            Recorded m(r);
            if (p != 0)
                m.Pressure(p, kRh);
            for (double phi : kHumidities) {
                m.Humidity(phi);
                for (double t : temperatures)
                    m.Temperature(t, kRh);
            }
        }
    }
}

void MoistureSweeps(Recorder& r)
{
    for (double p : {0.0, 100000.0, 96000.0}) {
        const double boiling = BoilingTemperature(p == 0 ? 100000 : p);
        std::vector<double> temperatures = Temperatures(boiling, 3.1);
        r.Begin("x p=" + std::to_string(static_cast<int>(p)));
        for (double x : kMoistures) {
            for (double start : {293.15, 400.0}) {
                Recorded m(r);
                if (p != 0)
                    m.Pressure(p, kRh);
                m.Temperature(start, kRh);
                m.Humidity(50);
                m.Moisture(x);
                int i = 0;
                for (double t : temperatures) {
                    m.Temperature(t, kX);
                    if (++i % 5 == 0)
                        m.Moisture(x);
                }
                for (auto it = temperatures.rbegin(); it != temperatures.rend(); ++it) {
                    m.Temperature(*it, kX);
                    if (++i % 7 == 0)
                        m.Moisture(x);
                }
            }
        }
    }
}

void PressureChanges(Recorder& r)
{
    const double pressures[] = {95999, 96000, 98000, 100000, 101325, 103000, 104000, 104001, 100000};
    std::vector<double> temperatures;
    for (double t = 250; t < 400; t += 4.9)
        temperatures.push_back(t);
    for (double d : {-0.4, -0.05, 0.0, 0.05, 0.4})
        for (double p : {96000.0, 100000.0, 104000.0})
            temperatures.push_back(BoilingTemperature(p) + d);
    r.Begin("pressure rh");
    for (double t : temperatures) {
        for (double phi : {0.0, 30.0, 100.0}) {
            Recorded m(r);
            m.Temperature(t, kRh);
            m.Humidity(phi);
            for (double p : pressures)
                m.Pressure(p, kRh);
        }
    }
    r.Begin("pressure x");
    for (double t : temperatures) {
        for (double x : {0.0, 0.005, 0.02, 0.5}) {
            Recorded m(r);
            m.Temperature(t, kRh);
            m.Moisture(x);
            for (double p : pressures)
                m.Pressure(p, kX);
        }
    }
}

// The public property functions over a grid, in models whose pressure and
// limits differ.
void PropertyFunctions(Recorder& r)
{
    const double temperatures[] = {-1,     0,     250,    253.149, 253.1499, 260,  273.15, 293.15,
                                   318.2,  350,   371.9,  372.775, 373,      400,  647.2,  700,
                                   1073.15, 1080, kNaN,   kInf};
    const double humidities[] = {-1, 0, 0.5, 10, 50, 90, 99.99, 100, 101, kNaN};
    const double moistures[] = {-1, 0, 1e-7, 0.003, 0.0148, 0.03, 1, 7000, kMax, kNaN};
    const std::function<void(CPowietrze&)> setups[] = {
        [](CPowietrze&) {},
        [](CPowietrze& a) { a.SetBarometricPressure(100000, kRh); },
        [](CPowietrze& a) {
            a.SetBarometricPressure(96000, kRh);
            a.SetTemperature(293.15, kRh);
        },
        [](CPowietrze& a) { a.SetTemperature(400, kRh); },
        [](CPowietrze& a) {
            a.SetBarometricPressure(104000, kRh);
            a.SetTemperature(a.GetMaxTemperature(), kRh);
        },
    };
    r.Begin("functions");
    for (const auto& setup : setups) {
        CPowietrze a;
        setup(a);
        for (double t : temperatures) {
            for (double phi : humidities) {
                r.Value(a.MoistureContent(t, phi));
                r.Value(a.Enthalpy(t, phi));
                r.Value(a.SpecificVolume(t, phi));
                r.Value(a.VapourPressure(t, phi));
                r.Value(a.DewPoint(t, phi));
                r.Value(a.WetBulbTemperature(t, phi));
                r.Value(a.DynamicViscosity(t, phi));
                r.Value(a.KinematicViscosity(t, phi));
            }
            for (double x : moistures)
                r.Value(a.RelativeHumidity(t, x));
        }
    }
}

// Deterministic on every platform, unlike the standard distributions.
class SplitMix {
public:
    explicit SplitMix(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * static_cast<double>(Next() >> 11) * 0x1p-53; }
    std::size_t Index(std::size_t n) { return static_cast<std::size_t>(Next() % n); }
    template <class T>
    T Pick(const std::vector<T>& v)
    {
        return v[Index(v.size())];
    }

private:
    std::uint64_t m_state;
};

// Setter sequences in any order: mostly values a user types, some limits,
// a few wild ones.
void RandomSequences(Recorder& r)
{
    const std::vector<double> wild = {0, -5, 1e-300, 4.9e-324, 1e308, -1e308, kMax, kNaN, kInf, -kInf};
    const std::vector<double> specialT = {253.149,  253.1499, 253.15,  273.15,  372.775, 371.638, 373.77,
                                          647.14,   647.286,  1073.15, 1073.16, 250,     293.15,  300};
    const std::vector<double> specialPhi = {0, 100, 99.99, 1e-9, 100.0000001, -1e-9};
    const std::vector<double> specialP = {96000, 104000, 100000, 101325, 95999.999, 104000.001};
    const std::vector<double> decades = {1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1, 10, 100};
    const std::vector<int> modes = {kRh, kRh, kRh, kRh, kX, kX, kX, kX, 2, -1};
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        SplitMix g(seed);
        r.Begin("random " + std::to_string(seed));
        Recorded m(r);
        for (int i = 0; i < 12000; ++i) {
            const std::uint64_t kind = g.Next() % 100;
            const std::uint64_t source = g.Next() % 100;
            if (kind < 35) {
                const double t = source < 70   ? g.Uniform(250, 1080)
                                 : source < 90 ? g.Pick(specialT) + (source % 2 ? 0 : g.Uniform(-0.5, 0.5))
                                               : g.Pick(wild);
                m.Temperature(t, g.Pick(modes));
            } else if (kind < 65) {
                const double phi = source < 70 ? g.Uniform(-5, 105) : source < 90 ? g.Pick(specialPhi) : g.Pick(wild);
                m.Humidity(phi);
            } else if (kind < 85) {
                const double x = source < 70   ? g.Uniform(1, 10) * g.Pick(decades)
                                 : source < 90 ? g.Pick(kMoistures)
                                               : g.Pick(wild);
                m.Moisture(x);
            } else if (kind < 97) {
                const double p = source < 70 ? g.Uniform(94000, 106000) : source < 90 ? g.Pick(specialP) : g.Pick(wild);
                m.Pressure(p, g.Pick(modes));
            } else {
                m.MassFlow(source < 90 ? g.Uniform(-10, 10) : g.Pick(wild));
            }
        }
    }
}

// The saturation line that the model solves on, in both directions, over
// its range and past its ends, with the point it records.
void SaturationLine(Recorder& r)
{
    r.Begin("line");
    CPara line;
    std::vector<double> pressures = {-1, 0, 125.6446, 125.6447, 610.89, 101325, 22050676.3, 22060000, 22064000,
                                     22064001};
    for (double p = 100; p < 2.3e7; p *= 1.0007)
        pressures.push_back(p);
    for (double p : pressures) {
        r.Value(line.SaturationTemperature(p));
        r.Value(line.GetSaturationPointTemperature());
        r.Value(line.GetSaturationPointPressure());
    }
    for (double t = 250; t < 650; t += 0.0173) {
        r.Value(line.SaturationPressure(t, 0));
        r.Value(line.SaturationPressure(t, 1e5));
    }
}

std::vector<Computed> ComputeAll()
{
    Recorder r;
    SaturationLine(r);
    RelativeHumiditySweeps(r);
    MoistureSweeps(r);
    PressureChanges(r);
    PropertyFunctions(r);
    RandomSequences(r);
    return r.Blocks();
}

void Write(const std::vector<Computed>& blocks, const char* path)
{
    std::ofstream out(path);
    out << "// Figures of the humid-air model for test_air_identity.cpp, written by it.\n";
    for (const Computed& b : blocks)
        out << "{\"" << b.scenario << "\", " << b.firstStep << ", " << b.steps << ", 0x" << std::hex
            << std::setw(16) << std::setfill('0') << b.hash << "ull}," << std::dec << std::setfill(' ') << '\n';
}

TEST(AirIdentity, EveryGetterAfterEverySetterAsRecorded)
{
    const std::vector<Computed> blocks = ComputeAll();
    if (const char* path = std::getenv("ZENTARO_AIR_IDENTITY_OUT"))
        Write(blocks, path);
    ASSERT_EQ(blocks.size(), std::size(kRecorded)) << "the sequences themselves changed";
    int differing = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& want = kRecorded[i];
        const Computed& got = blocks[i];
        ASSERT_EQ(got.scenario, want.scenario) << "block " << i;
        ASSERT_EQ(got.firstStep, want.firstStep) << "block " << i;
        ASSERT_EQ(got.steps, want.steps) << "block " << i;
        if (got.hash != want.hash && ++differing <= 20)
            ADD_FAILURE() << "\"" << got.scenario << "\", steps " << got.firstStep << " to "
                          << got.firstStep + got.steps - 1 << " differ";
    }
    EXPECT_EQ(differing, 0) << "blocks differ of " << blocks.size();
}

}  // namespace
