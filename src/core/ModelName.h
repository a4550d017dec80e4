// The radio model name and the model fields of the data-file header.
#pragma once

#include <QString>

#include "core/Records.h"

namespace ulbrix {

inline constexpr const char* DefaultModelName = "ZR9040";

// ModelName = the default model name.
void SetDefaultModel();

// Writes model text, model code and band code into a header about to be saved
// (ModelText, ModelCode, BandCode, ModelText6; the other fields are left alone).
// Trims App.ModelName of blanks in place, as the code lookups do.
void FillFileHeader(FileHeader& header);

// Model code of the data-file header: 248 for every model. Trims `modelName`
// of blanks in place.
int GetModelCode(QString& modelName);

}  // namespace ulbrix
