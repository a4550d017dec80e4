// Open and Write refuse a document holding values a visible editor could only
// show as stand-ins, with the same reasons; what the program itself makes passes.
#include "core/DocumentTestSupport.h"
#include "mainwindow/TransferCommands.h"

using namespace ulbrix;

namespace doctest {
namespace {

QString Listed(const std::vector<ImageProblem>& problems) {
    QStringList lines;
    for (const ImageProblem& p : problems) lines << p.english;
    return lines.join('\n');
}

class ShownValueCheckTest : public DocumentTest {
protected:
    ShownValueCheckTest() : DocumentTest(true) {}
    std::vector<ImageProblem> Problems() { return DocumentProblems(WorkDocument, ChannelTable, MemChannelList); }
};

TEST_F(ShownValueCheckTest, NewDocumentPasses) {
    NewDocument();
    EXPECT_TRUE(Problems().empty()) << Listed(Problems()).toStdString();
}

TEST_F(ShownValueCheckTest, TemplatesPass) {
    for (const char* name : {"0_RI6666_New.dat", "0_RI6666.dat", "1_RI6666_New.dat", "1_RI6666.dat"}) {
        SCOPED_TRACE(name);
        NewDocument();
        EXPECT_TRUE(OpenDataFile(rt_.bin() + "/Init/" + name, nullptr));
        EXPECT_TRUE(Problems().empty()) << Listed(Problems()).toStdString();
    }
}

}  // namespace
}  // namespace doctest
