#include "core/ModEnglishPrint.h"

namespace ulbrix {

void InitPrintCaptions() {
    CapFileName = TextTable::Caption(QStringLiteral("File Name"), QStringLiteral("文件名"));
    CapOffOn = TextTable::Items({QStringLiteral("OFF"), QStringLiteral("ON")},
                                {QStringLiteral("关"), QStringLiteral("开")});
}

}  // namespace ulbrix
