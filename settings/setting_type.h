#pragma once
// The four kinds of value a settings store keeps, each in a list and a file
// section of its own.
namespace nimbrel {

enum class SettingType { Boolean, Float, Integer, String };

}  // namespace nimbrel
