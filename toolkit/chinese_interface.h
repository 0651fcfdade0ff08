// The program speaks Simplified Chinese whatever the environment's language,
// Qt's own texts included: standard buttons, calendars, text-box menus.
#ifndef TESSALY_TOOLKIT_CHINESE_INTERFACE_H_
#define TESSALY_TOOLKIT_CHINESE_INTERFACE_H_

namespace tessaly::toolkit {

// Sets the default locale to zh_CN and installs Qt's Chinese translations
// (from Debian's qt6-translations-l10n; without them Qt's texts stay
// English). Needs a QApplication; call before the first window.
void UseChineseInterface();

}  // namespace tessaly::toolkit

#endif  // TESSALY_TOOLKIT_CHINESE_INTERFACE_H_
