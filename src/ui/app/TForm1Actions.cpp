// Which handler each command runs: one row per action, beside the action table
// that gives the actions their names, captions and keys.
#include "TForm1.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace kolvi {

void TForm1::ConnectActionHandlers() {
    struct ActionHandler {
        const char* action;
        void (TForm1::*execute)();
    };

    static constexpr ActionHandler ActionHandlers[] = {
        {"ActionEditColorPaste", &TForm1::ActionEditColorPasteExecute},
        {"ActionEditColorCopy", &TForm1::ActionEditColorCopyExecute},
        {"ActionEditReverse", &TForm1::ActionEditReverseExecute},
        {"ActionEditRuler", &TForm1::ActionEditRulerExecute},
        {"ActionEditCursorColor", &TForm1::ActionEditCursorColorExecute},
        {"ActionEditMinimize", &TForm1::ActionEditMinimizeExecute},
        {"ActionEditClose", &TForm1::ActionEditCloseExecute},
        {"ActionOptionTool", &TForm1::ActionOptionToolExecute},
        {"ActionOptionSub", &TForm1::ActionOptionSubExecute},
        {"ActionOptionLowerCase", &TForm1::ActionOptionLowerCaseExecute},
        {"ActionOptionStayOnTop", &TForm1::ActionOptionStayOnTopExecute},
        {"ActionOptionMinimizeHide", nullptr}, // read when minimising
        {"ActionOptionRulerRun", nullptr},     // read at start
        {"ActionOptionMutex", &TForm1::ActionOptionMutexExecute},
        {"ActionOptionMainMode0", &TForm1::ActionOptionMainMode0Execute},
        {"ActionOptionMainMode1", &TForm1::ActionOptionMainMode1Execute},
        {"ActionOptionMainMode2", &TForm1::ActionOptionMainMode2Execute},
        {"ActionHelpReadme", &TForm1::ActionHelpReadmeExecute},
        {"ActionHelpOnline", &TForm1::ActionHelpOnlineExecute},
        {"ActionRulerPicker", &TForm1::ActionRulerPickerExecute},
        {"ActionRulerStayOnTop", &TForm1::ActionRulerStayOnTopExecute},
        {"ActionRulerMainColor", &TForm1::ActionRulerMainColorExecute},
        {"ActionRulerClear", &TForm1::ActionRulerClearExecute},
        {"ActionRulerCursorMark", &TForm1::ActionRulerCursorMarkExecute},
        {"ActionRulerCursorSize", &TForm1::ActionRulerCursorSizeExecute},
        {"ActionRulerUp", &TForm1::ActionRulerUpExecute},
        {"ActionRulerDown", &TForm1::ActionRulerDownExecute},
        {"ActionRulerLeft", &TForm1::ActionRulerLeftExecute},
        {"ActionRulerRight", &TForm1::ActionRulerRightExecute},
        {"ActionRulerHUp", &TForm1::ActionRulerHUpExecute},
        {"ActionRulerHDown", &TForm1::ActionRulerHDownExecute},
        {"ActionRulerVUp", &TForm1::ActionRulerVUpExecute},
        {"ActionRulerVDown", &TForm1::ActionRulerVDownExecute},
        {"ActionSubFavorite", &TForm1::ActionSubFavoriteExecute},
        {"ActionSubRecent", &TForm1::ActionSubRecentExecute},
        {"ActionSubEdit", &TForm1::ActionSubEditExecute},
        {"ActionSubToClipboard", &TForm1::ActionSubToClipboardExecute},
        {"ActionSubApply", &TForm1::ActionSubApplyExecute},
        {"ActionSubAdd", &TForm1::ActionSubAddExecute},
        {"ActionSubDelete", &TForm1::ActionSubDeleteExecute},
        {"ActionSubUp", &TForm1::ActionSubUpExecute},
        {"ActionSubDown", &TForm1::ActionSubDownExecute},
        {"ActionSubTestFont", &TForm1::ActionSubTestFontExecute},
        {"ActionSubTestBack", &TForm1::ActionSubTestBackExecute},
    };

    for (const ActionHandler& handler : ActionHandlers) {
        TKNAction* action = Action(QString::fromUtf8(handler.action));
        if (action == nullptr) {
            throw std::logic_error("a handler for an action that does not exist");
        }
        if (handler.execute != nullptr) {
            connect(action, &QAction::triggered, this, handler.execute);
        }
    }
    // A command without a row would do nothing and say nothing.
    for (const ActionList* list : {ActionListMain, ActionListRuler, ActionListOption}) {
        for (const TKNAction* action : list->Actions()) {
            const auto named = [&](const ActionHandler& handler) {
                return action->objectName() == QLatin1String(handler.action);
            };
            if (std::none_of(std::begin(ActionHandlers), std::end(ActionHandlers), named)) {
                throw std::logic_error("an action without a row in the handler table");
            }
        }
    }
}

} // namespace kolvi
