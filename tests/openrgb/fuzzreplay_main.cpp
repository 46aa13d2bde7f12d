// SPDX-License-Identifier: MIT
// Runs a fuzz target over its seed corpus, under the sanitizers of the test build, so that
// every CI run checks the inputs the fuzzer started from and the faults it once found.
//   fuzzreplay FOLDER...

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name)) {
            QFile input(file.filePath());
            if (!input.open(QIODevice::ReadOnly)) {
                err << "cannot read " << file.filePath() << Qt::endl;
                return 1;
            }
            const QByteArray bytes = input.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++inputs;
        }
    }
    if (inputs == 0) {
        err << "no inputs found" << Qt::endl;
        return 1;
    }
    return 0;
}
