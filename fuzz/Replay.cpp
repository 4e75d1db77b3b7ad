// Runs a fuzz target without a fuzzing engine, as an ordinary test: first every seed given on
// the command line (files, or folders of files), then inputs made from the seeds by a fixed
// series of small random edits, so that a failure happens again on every run. A failing input
// stays in "<program>.last-input" in the working folder.
#include "fuzz/FuzzSupport.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int GeneratedInputs = 500;
constexpr unsigned RandomSeed = 20240611;

std::vector<QByteArray> readSeeds(int argc, char **argv) {
    std::vector<QByteArray> seeds;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo given(QString::fromLocal8Bit(argv[i]));
        const QFileInfoList files =
            given.isDir() ? QDir(given.filePath()).entryInfoList(QDir::Files, QDir::Name)
                          : QFileInfoList{given};
        for (const QFileInfo &file : files)
            seeds.push_back(Fuzz::readFile(file.filePath()));
    }
    return seeds;
}

class Mutator {
public:
    explicit Mutator(const std::vector<QByteArray> &seeds) : m_seeds(seeds) {}

    // A seed with one to four edits: a byte replaced or inserted, bytes removed, a piece of
    // some seed inserted, or the end cut off. New bytes mostly come from the seeds, so that the
    // edits speak the format's own syntax.
    QByteArray next() {
        QByteArray input = anySeed();
        for (int edit = 0, edits = 1 + below(4); edit < edits; ++edit)
            applyEdit(input);
        return input;
    }

private:
    int below(qsizetype bound) { return int(m_random() % std::max<qsizetype>(bound, 1)); }

    const QByteArray &anySeed() { return m_seeds[below(qsizetype(m_seeds.size()))]; }

    char anyByte() {
        const QByteArray &seed = anySeed();
        return seed.isEmpty() || below(3) == 0 ? char(m_random()) : seed[below(seed.size())];
    }

    QByteArray anyPiece() {
        const QByteArray &seed = anySeed();
        return seed.mid(below(seed.size()), 1 + below(16));
    }

    void applyEdit(QByteArray &input) {
        const qsizetype at = below(input.size());
        switch (below(5)) {
        case 0:
            if (!input.isEmpty()) input[at] = anyByte();
            break;
        case 1:
            input.insert(at, anyByte());
            break;
        case 2:
            input.remove(at, 1 + below(8));
            break;
        case 3:
            input.insert(at, anyPiece());
            break;
        default:
            input.truncate(at + below(input.size() - at) + 1);
        }
    }

    const std::vector<QByteArray> &m_seeds;
    std::mt19937 m_random{RandomSeed};
};

void run(const QString &lastInputPath, const QByteArray &input) {
    Fuzz::writeFile(lastInputPath, input);
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                           size_t(input.size()));
}

} // namespace

int main(int argc, char **argv) {
    LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<QByteArray> seeds = readSeeds(argc, argv);
    if (seeds.empty()) {
        std::fprintf(stderr, "usage: %s <seed file or folder>...\n", argv[0]);
        return 2;
    }
    const QString lastInput = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName() + ".last-input";
    for (const QByteArray &seed : seeds)
        run(lastInput, seed);
    Mutator mutator(seeds);
    for (int i = 0; i < GeneratedInputs; ++i)
        run(lastInput, mutator.next());
    QFile::remove(lastInput);
    std::printf("%zu seeds and %d generated inputs passed\n", seeds.size(), GeneratedInputs);
    return 0;
}
