// The texts of the window program's printer: the title of the print job and
// what the user is told when the report cannot be printed.
#pragma once

#include <string_view>

namespace koravel::texts {

// The title of the print job in the printer's queue.
inline constexpr std::string_view kPrintJobTitle = "Koravel 导线平差报告";

// No printer is set up on this computer (or none is the default).
inline constexpr std::string_view kNoPrinter =
    "没有找到可以使用的打印机，报告没有打印。请先安装打印机并设为默认打印机，然后再按“打 印”。平差数据仍然保留。";

// The printer is there but the document could not be started on it.
inline constexpr std::string_view kPrinterWontStart =
    "打印机无法开始打印，报告没有打印。请检查打印机后再按“打 印”。平差数据仍然保留。";

// The printer failed while the report was being printed; what reached it is
// incomplete.
inline constexpr std::string_view kPrinterFailed =
    "打印过程中打印机出错，报告没有打印完整。请检查打印机后再按“打 印”。平差数据仍然保留。";

}  // namespace koravel::texts
