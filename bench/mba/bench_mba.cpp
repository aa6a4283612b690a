// Fits scattered samples of a smooth surface plus noise and evaluates the fit
// on a grid: prints the fit time, the evaluation time and the RMS error
// against the true surface.
//
//   bench_mba [--samples N] [--levels L] [--m M] [--n N] [--export DIR]
//
// With --export the samples, the fitted grid and the true grid are written to
// DIR (points.bin: x, y, z doubles per sample; mba.bin and truth.bin: grid
// rows from the south, doubles) for compare_saga.py.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "mba/zembrol.h"

namespace {

constexpr int kGridNodes = 1025;
constexpr double kExtent = 1024.0;
constexpr double kNoise = 0.5;

double TrueSurface(double x, double y) {
  const double dx = x - 600.0;
  const double dy = y - 400.0;
  return 100.0 + 40.0 * std::sin(x / 130.0) * std::cos(y / 170.0) +
         25.0 * std::exp(-(dx * dx + dy * dy) / (2.0 * 120.0 * 120.0)) + 0.02 * x;
}

struct Options {
  int samples = 1000000;
  // A first level of one cell, as SAGA's multilevel B-spline starts, so that
  // both take the same lattices for the same level count.
  int levels = 8;
  int m = 1;
  int n = 1;
  std::string exportDir;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--samples") {
      options.samples = std::atoi(value);
    } else if (name == "--levels") {
      options.levels = std::atoi(value);
    } else if (name == "--m") {
      options.m = std::atoi(value);
    } else if (name == "--n") {
      options.n = std::atoi(value);
    } else if (name == "--export") {
      options.exportDir = value;
    } else {
      std::fprintf(stderr, "unknown option %s\n", name.c_str());
      std::exit(2);
    }
  }
  return options;
}

std::vector<D_3DOT> NoisySamples(int count) {
  std::mt19937_64 rng(20261210);
  std::uniform_real_distribution<double> place(0.0, kExtent);
  std::normal_distribution<double> noise(0.0, kNoise);
  std::vector<D_3DOT> samples(static_cast<size_t>(count));
  for (D_3DOT& sample : samples) {
    sample.x = place(rng);
    sample.y = place(rng);
    sample.z = TrueSurface(sample.x, sample.y) + noise(rng);
  }
  return samples;
}

double Seconds(std::chrono::steady_clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

bool WriteDoubles(const std::string& path, const void* data, size_t doubles) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    return false;
  }
  const bool written = std::fwrite(data, sizeof(double), doubles, file) == doubles;
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const std::vector<D_3DOT> samples = NoisySamples(options.samples);
  const D_RECT grid{0.0, 0.0, kExtent, kExtent};

  CMutilBSplineObj surface;
  const auto fitStart = std::chrono::steady_clock::now();
  const int32_t fitted = surface.CalculateAllLayPhiIJ1(samples.data(), options.samples, options.levels, options.m,
                                                       options.n, &grid, false, 0, 0);
  const double fitSeconds = Seconds(std::chrono::steady_clock::now() - fitStart);
  if (fitted != 1) {
    std::fprintf(stderr, "fit failed\n");
    return 1;
  }

  const double step = kExtent / (kGridNodes - 1);
  std::vector<double> values(static_cast<size_t>(kGridNodes) * kGridNodes);
  const auto evalStart = std::chrono::steady_clock::now();
  for (int row = 0; row < kGridNodes; ++row) {
    for (int column = 0; column < kGridNodes; ++column) {
      double& z = values[static_cast<size_t>(row) * kGridNodes + column];
      if (surface.GetMBAInterpolateValue(column * step, row * step, z) != 3) {
        std::fprintf(stderr, "evaluation failed at node %d,%d\n", column, row);
        return 1;
      }
    }
  }
  const double evalSeconds = Seconds(std::chrono::steady_clock::now() - evalStart);

  std::vector<double> truth(values.size());
  double squares = 0.0;
  for (int row = 0; row < kGridNodes; ++row) {
    for (int column = 0; column < kGridNodes; ++column) {
      const size_t index = static_cast<size_t>(row) * kGridNodes + column;
      truth[index] = TrueSurface(column * step, row * step);
      squares += (values[index] - truth[index]) * (values[index] - truth[index]);
    }
  }
  const double rms = std::sqrt(squares / values.size());

  std::printf("samples %d (noise sigma %.2f), grid %dx%d over [0,%g]^2, levels %d, first level %dx%d cells\n",
              options.samples, kNoise, kGridNodes, kGridNodes, kExtent, options.levels, options.m, options.n);
  std::printf("fit time        %.3f s\n", fitSeconds);
  std::printf("evaluation time %.3f s (%.1f ns a node)\n", evalSeconds, 1e9 * evalSeconds / values.size());
  std::printf("RMS error       %.4f against the true surface\n", rms);

  if (!options.exportDir.empty()) {
    const std::string dir = options.exportDir + "/";
    if (!WriteDoubles(dir + "points.bin", samples.data(), samples.size() * 3) ||
        !WriteDoubles(dir + "mba.bin", values.data(), values.size()) ||
        !WriteDoubles(dir + "truth.bin", truth.data(), truth.size())) {
      std::fprintf(stderr, "cannot write to %s\n", options.exportDir.c_str());
      return 1;
    }
  }
  return 0;
}
