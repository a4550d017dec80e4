#include "editors/WindowCalls.h"

#include <QList>

#include "platform/widgets/ChildForms.h"

namespace ulbrix::calls {

bool InitValidComboList() { return CallChildForm(FormName::ChannelInfo, "InitValidComboList"); }

bool ShowValidComboText() { return CallChildForm(FormName::ChannelInfo, "ShowValidComboText"); }

bool ShowRB() {
    const bool a = CallChildForm(FormName::ChannelInfo, "ShowRB");
    const bool b = CallChildForm(FormName::OptFeatures, "ShowRB");
    return a || b;
}

bool ShowDTMF() {
    const bool a = CallChildForm(FormName::ChannelInfo, "ShowDTMF");
    const bool b = CallChildForm(FormName::OptFeatures, "ShowDTMF");
    return a || b;
}

bool ReShow_Group_Name() { return CallChildForm(FormName::ChannelInfo, "ReShow_Group_Name"); }

bool reShowGrid(int row) { return CallChildForm(FormName::ChannelInfo, "reShowGrid", Q_ARG(int, row)); }

bool ChannelEditorPosition(int& band, int& group, int& row) {
    QList<int> pos;
    if (!CallChildFormRet(FormName::ChannelInfo, "ShownChannelPosition", Q_RETURN_ARG(QList<int>, pos)))
        return false;
    if (pos.size() != 3) return false;
    band = pos[0];
    group = pos[1];
    row = pos[2];
    return true;
}

const std::vector<WindowCall>& WindowCallTable() {
    static const std::vector<WindowCall> table{
        {FormName::ChannelInfo, "InitValidComboList()"}, {FormName::ChannelInfo, "ShowValidComboText()"},
        {FormName::ChannelInfo, "ShowRB()"},             {FormName::OptFeatures, "ShowRB()"},
        {FormName::ChannelInfo, "ShowDTMF()"},           {FormName::OptFeatures, "ShowDTMF()"},
        {FormName::ChannelInfo, "ReShow_Group_Name()"},  {FormName::ChannelInfo, "reShowGrid(int)"},
        {FormName::ChannelInfo, "ShownChannelPosition()"},
    };
    return table;
}

}  // namespace ulbrix::calls
