#pragma once

// Every blank is significant.

namespace windowtext {

inline constexpr char kExitQuestion[] = "คุณต้องการจบการทำงานทั้งหมด  ใช่หรือไม่? ";
inline constexpr char kExitTitle[] = "ยืนยัน";
inline constexpr char kStatusText[] = "Drevanto Bolmiradex Concrete Mixed Design";
inline constexpr char kStartCaption[] = " Drevanto Bolmiradex Concrete Mixed Design";

} // namespace windowtext
