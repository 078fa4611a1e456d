#pragma once
// Outcome texts of the wave player. On success the text names the path the play
// took; on failure it says why. The source is UTF-8 and compiles to CP949 bytes.

namespace wave_text {

constexpr char kBufferPlay[] = "** 버퍼 플레이 **";
constexpr char kCachePlay[] = "** 캐쉬 플레이 **";
constexpr char kFilePlay[] = "** 파일 플레이 **";
constexpr char kCreateFailed[] = "다이렉트 사운드 객체를 만드는데 실패하였습니다.";
constexpr char kCooperativeFailed[] = "협조 레벨을 얻는데 실패하였습니다.";
constexpr char kNotReady[] = "다이렉트 사운드가 구동되지 않았습니다.";
constexpr char kNoFreeChannel[] = "비어 있는 사운드 채널이 없습니다.";
constexpr char kReadFailed[] = "파일을 읽어오는데 실패했습니다.";
constexpr char kTooLarge[] = "사운드 파일의 크기가 너무 큽니다.";
constexpr char kNotWave[] = "웨이브 파일이 아닙니다.";
constexpr char kDamaged[] = "손상된 웨이브 파일입니다.";
constexpr char kBufferFailed[] = "다이렉트 사운드 버퍼를 만들 수 없습니다.";
constexpr char kLockFailed[] = "다이렉트 사운드 버퍼 Lock에 실패했습니다.";
constexpr char kUnlockFailed[] = "다이렉트 사운드 버퍼 Unlock에 실패했습니다.";
constexpr char kVolumeFailed[] = "볼륨 설정을 할 수 없습니다.";
constexpr char kPanFailed[] = "팬( pan ) 설정을 할 수 없습니다.";

}  // namespace wave_text
