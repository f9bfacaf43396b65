#pragma once

// Every blank is significant.

namespace windowtext {

inline constexpr char kExitQuestion[] = "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? ";
inline constexpr char kExitTitle[] = "ยืนยัน";

} // namespace windowtext
