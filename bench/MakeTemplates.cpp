// Writes the generated benchmark templates (bench-10.vt ... bench-5000.vt)
// into a folder, for measuring the command-line tool and the designer from
// outside.
#include "BenchTemplates.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_templates DIR\n");
        return 2;
    }
    const QString dir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(dir);
    for (const int count : bench::kTemplateSizes) {
        const QString path = bench::TemplatePath(count, dir);
        if (path.isEmpty()) {
            std::fprintf(stderr, "cannot write the template of %d elements\n", count);
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
