// The editor windows the main window can open, by window name. An editor
// becomes openable as soon as its header is in the tree and its class (in
// namespace ulbrix, a QWidget built from a parent widget) is complete; until
// then its menu item and tree node open nothing.
#include <QWidget>
#include <type_traits>

#include "mainwindow/ChildForms.h"

#if __has_include("editors/channels/frmCommChInfo.h")
#include "editors/channels/frmCommChInfo.h"
#endif
#if __has_include("editors/channels/frm_emg.h")
#include "editors/channels/frm_emg.h"
#endif
#if __has_include("editors/channels/frm_dw.h")
#include "editors/channels/frm_dw.h"
#endif
#if __has_include("editors/channels/frm_MEM.h")
#include "editors/channels/frm_MEM.h"
#endif
#if __has_include("editors/channels/Frm_GroupName.h")
#include "editors/channels/Frm_GroupName.h"
#endif
#if __has_include("editors/channels/FrmTVCH.h")
#include "editors/channels/FrmTVCH.h"
#endif
#if __has_include("editors/settings/FrmOptFeatures.h")
#include "editors/settings/FrmOptFeatures.h"
#endif
#if __has_include("editors/settings/FrmToneTips.h")
#include "editors/settings/FrmToneTips.h"
#endif
#if __has_include("editors/settings/FrmDTMF.h")
#include "editors/settings/FrmDTMF.h"
#endif

namespace ulbrix {

// Declared here so the table compiles before the editors exist.
class frmCommChInfo;
class frm_emg;
class frm_dw;
class frm_MEM;
class Frm_GroupName;
class FrmTVCH;
class FrmOptFeatures;
class FrmToneTips;
class FrmDTMF;

namespace {

template <class T, class = void>
struct IsComplete : std::false_type {};
template <class T>
struct IsComplete<T, std::void_t<decltype(sizeof(T))>> : std::true_type {};

template <class T>
void registerIfBuilt(const QString& name) {
    if constexpr (IsComplete<T>::value) {
        if constexpr (std::is_base_of_v<QWidget, T> && std::is_constructible_v<T, QWidget*>) {
            RegisterChildForm(name, [](QWidget* parent) -> QWidget* { return new T(parent); });
        }
    }
}

}  // namespace

void RegisterKnownEditors() {
    registerIfBuilt<frmCommChInfo>(FormName::ChannelInfo);
    registerIfBuilt<FrmOptFeatures>(FormName::OptFeatures);
    registerIfBuilt<FrmToneTips>(FormName::ToneTips);
    registerIfBuilt<FrmDTMF>(FormName::DTMF);
    registerIfBuilt<frm_emg>(FormName::Emergency);
    registerIfBuilt<frm_dw>(FormName::DualWatch);
    registerIfBuilt<frm_MEM>(FormName::MemChannel);
    registerIfBuilt<Frm_GroupName>(FormName::GroupName);
    registerIfBuilt<FrmTVCH>(FormName::Weather);
}

}  // namespace ulbrix
