// The source folders keep a strict order: a file includes only its own layer
// or the ones below it, so no editor reaches up into the main window.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace {

// Rank of a path under src/; the longest matching folder decides.
int LayerRank(const QString& path) {
    static const std::pair<const char*, int> folders[] = {
        {"platform/widgets/", 3}, {"link/dialogs/", 4}, {"platform/", 0}, {"core/", 1},
        {"link/", 2},             {"editors/", 4},      {"mainwindow/", 5},
    };
    for (const auto& [folder, rank] : folders)
        if (path.startsWith(QLatin1String(folder))) return rank;
    return 6;  // main.cpp
}

TEST(LayerOrder, NoFileIncludesALayerAboveItsOwn) {
    const QDir src(QStringLiteral(ULBRIX_SOURCE_DATA "/../src"));
    ASSERT_TRUE(src.exists());
    const QRegularExpression include(QStringLiteral("^#include \"([^\"]+)\""),
                                     QRegularExpression::MultilineOption);
    int files = 0;
    QDirIterator it(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = src.relativeFilePath(it.next());
        QFile f(src.filePath(path));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        const QString text = QString::fromUtf8(f.readAll());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_LE(LayerRank(target), LayerRank(path))
                << path.toStdString() << " includes " << target.toStdString();
        }
    }
    EXPECT_GT(files, 50);
}

}  // namespace
