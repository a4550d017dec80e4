// Every control table of every editor: each row names a control the window
// has, its caption label is the control's buddy, and a pick stored through a
// row changes that row's value and no other row's.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <set>
#include <vector>

#include "editors/ControlRows.h"
#include "editors/EditorBase.h"
#include "editors/channels/ChannelAttributes.h"
#include "platform/widgets/ChildForms.h"
#include "support/RunningProgram.h"

using namespace ulbrix;

namespace {

TEST(ControlTables, EveryRowOwnsItsControlAndItsValue) {
    testsupport::RunningProgram program;
    int tables = 0;
    for (const QString& name : RegisteredChildForms()) {
        auto* editor = qobject_cast<EditorBase*>(ShowChildForm(name));
        ASSERT_NE(editor, nullptr) << name.toStdString();
        for (ControlRows* table : editor->controlTables()) {
            ++tables;
            const auto rows = table->rows();
            for (const ControlRow& row : rows) {
                const std::string where = name.toStdString() + "/" + row.objectName;
                QWidget* control = table->combo(row);
                if (!control) control = table->check(row);
                ASSERT_NE(control, nullptr) << where;
                if (row.labelName) {
                    auto* label = editor->findChild<QLabel*>(QString::fromLatin1(row.labelName));
                    ASSERT_NE(label, nullptr) << where;
                    EXPECT_EQ(label->buddy(), control) << where;
                }
                if (!row.set || !row.get) continue;
                std::vector<int> before;
                for (const ControlRow& r : rows) before.push_back(r.get ? r.get() : 0);
                const int count = row.items ? static_cast<int>(row.items().size()) : 2;
                ASSERT_GE(count, 2) << where;
                const int own = row.get();
                const int picked = (own + 1 >= 0 && own + 1 < count) ? own + 1 : 0;
                row.set(picked);
                EXPECT_EQ(row.get(), picked) << where;
                for (std::size_t i = 0; i < rows.size(); ++i) {
                    if (&rows[i] == &row || !rows[i].get) continue;
                    EXPECT_EQ(rows[i].get(), before[i]) << where << " changed " << rows[i].objectName;
                }
                row.set(own);
            }
        }
        UnloadChildForms();
    }
    EXPECT_GT(tables, 0);
}

TEST(ControlTables, DetailPanelListsEachOwnOneChannelField) {
    std::set<int> indices;
    std::vector<Integer ChannelRecord::*> fields;
    for (const AttributeField& f : ChannelAttributeFields()) {
        EXPECT_TRUE(indices.insert(f.index).second) << "Combo8 " << f.index;
        for (auto other : fields) EXPECT_FALSE(other == f.field) << "Combo8 " << f.index;
        fields.push_back(f.field);
        EXPECT_EQ(AttributeFieldOf(f.index), &f);
    }
}

}  // namespace
