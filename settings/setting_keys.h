#pragma once
// The names in the settings file of the window's settings that are not style
// fields (those come with their field: styleField(&ButtonStyle::width).settingKey).
// The settings table and every reader name a setting through these, so a
// misspelt name does not build.
namespace nimbrel::setting_key {

inline constexpr char kSaveBmp[] = "chkSaveBMP";
inline constexpr char kSaveGif[] = "chkSaveGIF";
inline constexpr char kAutoFileName[] = "chkAutoFilename";
inline constexpr char kSpaceToUnderscore[] = "chkSpaceToUnderscore";
inline constexpr char kLowercase[] = "chkLowercase";
inline constexpr char kSavePng[] = "chkSavePNG";
inline constexpr char kTransparent[] = "chkTransparent";
inline constexpr char kSave2x[] = "chkSave2x";
inline constexpr char kSave3x[] = "chkSave3x";
inline constexpr char kZoom[] = "tbZoom";
inline constexpr char kPreviewBackground[] = "pnlBackground";
inline constexpr char kGifCompression[] = "rgGIFCompression";
inline constexpr char kDithering[] = "rgDithering";
inline constexpr char kColorReduction[] = "rgColorReduction";
inline constexpr char kReductionBits[] = "rgColorReductionBits";
inline constexpr char kTransparentColor[] = "TransparentColor";
inline constexpr char kStyleDir[] = "StyleDir";
inline constexpr char kCaptionDir[] = "CaptionDir";
inline constexpr char kOutputDir[] = "OutputDir";
inline constexpr char kCaption[] = "edtCaption";
inline constexpr char kFileName[] = "edtFilename";

}  // namespace nimbrel::setting_key
