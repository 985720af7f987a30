#include "ActionTable.h"

#include "shortcuts/ShortcutCode.h"

#include <array>

namespace kolvi {

namespace {

constexpr std::array MainActions = {
    ActionSpec{"ActionEditColorPaste", "編集", "色の貼り付け(&P)", DefaultShortcut("Shift+Ctrl+V"),
               false, false},
    ActionSpec{"ActionEditColorCopy", "編集", "色のコピー(&C)", DefaultShortcut("Shift+Ctrl+C"),
               false, false},
    ActionSpec{"ActionEditReverse", "編集", "反転(&I)", DefaultShortcut("Ctrl+I"), false, false},
    ActionSpec{"ActionEditRuler", "編集", "ルーラーモード(&R)", DefaultShortcut("Ctrl+R"), false,
               false},
    ActionSpec{"ActionEditCursorColor", "編集", "カーソル位置からカラーコードを取得(&S)",
               DefaultShortcut("Ctrl+S"), false, false},
    ActionSpec{"ActionEditMinimize", "編集", "最小化(&M)", DefaultShortcut("Esc"), false, false},
    ActionSpec{"ActionEditClose", "編集", "閉じる(&X)", DefaultShortcut("Alt+F4"), false, false},
    ActionSpec{"ActionOptionTool", "設定", "ショートカットカスタマイズ(&E)...",
               DefaultShortcut("F9"), false, false},
    ActionSpec{"ActionOptionSub", "設定", "オプション(&O)", DefaultShortcut("Ctrl+D"), true, false},
    ActionSpec{"ActionOptionLowerCase", "設定", "小文字アルファベット(&L)", 0, true, false},
    ActionSpec{"ActionOptionStayOnTop", "設定", "常に手前に表示(&A)", 0, true, false},
    ActionSpec{"ActionOptionMinimizeHide", "設定", "最小化時にタスクトレイへ格納(&N)", 0, true,
               true},
    ActionSpec{"ActionOptionRulerRun", "設定", "ルーラーモードで起動(&R)", 0, true, false},
    ActionSpec{"ActionOptionMutex", "設定", "二重起動禁止(&M)", 0, true, true},
    ActionSpec{"ActionOptionMainMode0", "設定", "フルカラー(&F)", DefaultShortcut("F1"), true,
               true},
    ActionSpec{"ActionOptionMainMode1", "設定", "&Webセーフカラー", DefaultShortcut("F2"), true,
               false},
    ActionSpec{"ActionOptionMainMode2", "設定", "&256色", DefaultShortcut("F3"), true, false},
    ActionSpec{"ActionHelpReadme", "ヘルプ", "&readme.txt", 0, false, false},
    ActionSpec{"ActionHelpOnline", "ヘルプ", "&online Help", 0, false, false},
};

constexpr std::array RulerActions = {
    ActionSpec{"ActionRulerPicker", "ルーラー", "カラーピッカーモード(&P)",
               DefaultShortcut("Ctrl+R"), false, false},
    ActionSpec{"ActionRulerStayOnTop", "ルーラー", "常に手前に表示(&A)", 0, true, true},
    ActionSpec{"ActionRulerMainColor", "ルーラー", "現在の色を表示(&C)", 0, true, false},
    ActionSpec{"ActionRulerClear", "ルーラー", "クリア(&C)", DefaultShortcut("Del"), false, false},
    ActionSpec{"ActionRulerCursorMark", "ルーラー", "カーソル位置で計測", DefaultShortcut("M"),
               false, false},
    ActionSpec{"ActionRulerCursorSize", "ルーラー", "カーソル位置でサイズ変更",
               DefaultShortcut("S"), false, false},
    ActionSpec{"ActionRulerUp", "ルーラー", "ウインドウ上方向移動", DefaultShortcut("Up"), false,
               false},
    ActionSpec{"ActionRulerDown", "ルーラー", "ウインドウ下方向移動", DefaultShortcut("Down"),
               false, false},
    ActionSpec{"ActionRulerLeft", "ルーラー", "ウインドウ左方向移動", DefaultShortcut("Left"),
               false, false},
    ActionSpec{"ActionRulerRight", "ルーラー", "ウインドウ右方向移動", DefaultShortcut("Right"),
               false, false},
    ActionSpec{"ActionRulerHUp", "ルーラー", "ウインドウ幅アップ", DefaultShortcut("Ctrl+Right"),
               false, false},
    ActionSpec{"ActionRulerHDown", "ルーラー", "ウインドウ幅ダウン", DefaultShortcut("Ctrl+Left"),
               false, false},
    ActionSpec{"ActionRulerVUp", "ルーラー", "ウインドウ高さアップ", DefaultShortcut("Ctrl+Down"),
               false, false},
    ActionSpec{"ActionRulerVDown", "ルーラー", "ウインドウ高さダウン", DefaultShortcut("Ctrl+Up"),
               false, false},
};

constexpr std::array OptionActions = {
    ActionSpec{"ActionSubFavorite", "オプション", "お気に入り(&F)", 0, true, true},
    ActionSpec{"ActionSubRecent", "オプション", "出力履歴(&R)", 0, true, false},
    ActionSpec{"ActionSubEdit", "オプション", "変更(&E)", 0, false, false},
    ActionSpec{"ActionSubToClipboard", "オプション", "クリップボードへ出力(&C)", 0, false, false},
    ActionSpec{"ActionSubApply", "オプション", "決定(&A)", 0, false, false},
    ActionSpec{"ActionSubAdd", "オプション", "追加(&A)", 0, false, false},
    ActionSpec{"ActionSubDelete", "オプション", "削除(&D)", 0, false, false},
    ActionSpec{"ActionSubUp", "オプション", "上へ(&U)", 0, false, false},
    ActionSpec{"ActionSubDown", "オプション", "下へ(&N)", 0, false, false},
    ActionSpec{"ActionSubTestFont", "オプション", "文字", 0, true, false},
    ActionSpec{"ActionSubTestBack", "オプション", "背景", 0, true, false},
};

} // namespace

std::span<const ActionSpec> MainActionSpecs() {
    return MainActions;
}
std::span<const ActionSpec> RulerActionSpecs() {
    return RulerActions;
}
std::span<const ActionSpec> OptionActionSpecs() {
    return OptionActions;
}

} // namespace kolvi
