// Writes the short sound played after a deletion: a falling tone that fades
// out, 16-bit mono PCM in a RIFF/WAVE file.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Seconds = 0.35;
constexpr double StartHz = 880.0;
constexpr double EndHz = 220.0;

void put16(std::ofstream& out, std::uint16_t value)
{
    out.put(char(value & 0xFF)).put(char(value >> 8));
}

void put32(std::ofstream& out, std::uint32_t value)
{
    put16(out, std::uint16_t(value & 0xFFFF));
    put16(out, std::uint16_t(value >> 16));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_del_wav OUTPUT\n";
        return 2;
    }
    const int count = int(SampleRate * Seconds);
    std::vector<std::int16_t> samples(count);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / count;
        const double frequency = StartHz * std::pow(EndHz / StartHz, t);
        phase += 2 * std::numbers::pi * frequency / SampleRate;
        const double envelope = std::min(1.0, i / 200.0) * std::exp(-4.0 * t);
        samples[i] = std::int16_t(12000 * envelope * std::sin(phase));
    }
    std::ofstream out(argv[1], std::ios::binary);
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::int16_t sample : samples)
        put16(out, std::uint16_t(sample));
    return out ? 0 : 1;
}
