// The --report text: how full each page of a topic is, so authors can fit
// their text to fixed frames.
#ifndef TESSALY_TOOLS_CONTENT_COMPILER_PAGE_REPORT_H_
#define TESSALY_TOOLS_CONTENT_COMPILER_PAGE_REPORT_H_

#include <QString>

#include "tools/content_compiler/topic_layout.h"

namespace tessaly::content_compiler {

QString FormatPageReport(const TopicLayout& layout);

}  // namespace tessaly::content_compiler

#endif  // TESSALY_TOOLS_CONTENT_COMPILER_PAGE_REPORT_H_
