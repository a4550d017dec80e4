// The sixteen DTMF autodial memories and the references to them: what a
// memory may hold, how a typed or pasted text is stored, and the clean-up that
// resets references to memories that have become empty.
#pragma once

#include <QString>
#include <QValidator>
#include <span>

#include "core/Records.h"
#include "editors/ControlRows.h"

namespace ulbrix {

inline constexpr int DtmfMemoryCount = 16;
inline constexpr int DtmfMemoryLength = 16;

// Only what the radio can send: 0-9, A-D (a-d raised), "*" and "#", at most
// 16; every other character is dropped.
QString NormaliseDtmfText(const QString& text);

// The stored memory n (1..16) as shown; throws std::out_of_range outside.
QString DtmfMemoryText(int n);

// Stores the normalised text into memory n (the text followed by a NUL, in the
// 16-character field). Nothing is stored when the text equals the memory as
// it stands; returns whether the memory changed. Throws outside 1..16.
bool StoreDtmfMemory(int n, const QString& text);

// Resets every DTMF reference that names no memory holding a code: those of
// every channel in use in any slot of any band and group, of the 96 CB memory
// entries and
// of the three public groups. True when any reference changed.
bool ClearStaleDtmfReferences();

// The clean-up, then the open channel and optional-features editors rebuild
// their DTMF lists.
void SetDTMFList();

// The encode tab's lists and check box: the editor shows them, and Open and
// Write check that each list's stored value is one of its items.
std::span<const ControlRow> DtmfEncodeRows();

// Normalises whatever reaches a memory box: typed, pasted, dropped or from an
// input method.
class DtmfValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The characters a memory box lets through as keys (either case).
bool IsDtmfKey(QChar c);

}  // namespace ulbrix
