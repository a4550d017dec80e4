#include "core/ModelName.h"

#include "core/ModFreFile.h"
#include "core/GlobalState.h"

namespace ulbrix {

namespace {
// Blanks only, as every model lookup trims; other whitespace is part of the name.
QString TrimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' ')) ++b;
    while (e > b && s[e - 1] == QLatin1Char(' ')) --e;
    return s.mid(b, e - b);
}
}  // namespace

void SetDefaultModel() { App.ModelName = QString::fromLatin1(DefaultModelName); }

int GetModelCode(QString& modelName) {
    modelName = TrimBlanks(modelName);
    return 248;
}

void FillFileHeader(FileHeader& header) {
    // The model text is taken as it was, before the lookups below trim it.
    const std::string model = App.ModelName.toStdString() + std::string(1, '\0');
    header.ModelText = model;
    header.BandCode = static_cast<Integer>(BandTextToFileCode(App.BandRangeText, App.ModelName));
    header.ModelCode = static_cast<Integer>(GetModelCode(App.ModelName));
    header.ModelText6 = model.substr(0, 6);
}

}  // namespace ulbrix
