#include "core/ModEndlishProgress.h"

namespace ulbrix {

void InitProgressTexts() {
    ProgressTitleText = TextTable::Items(
        {QStringLiteral("Read data from radio"), QStringLiteral("Write data to radio")},
        {QStringLiteral("从对讲机读取数据"), QStringLiteral("向对讲机写入数据")});
    VerifyTitleText = TextTable::Caption(QStringLiteral("Verifying..."), QStringLiteral("校验..."));
    ProgressLabelText = TextTable::Caption(QStringLiteral("Completion percentage:"),
                                           QStringLiteral("完成进度:"));
    RadioCountText = TextTable::Caption(QString(), QString());
}

}  // namespace ulbrix
