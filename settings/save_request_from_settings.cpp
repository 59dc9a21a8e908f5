#include "settings/save_request_from_settings.h"

#include "settings/control_values.h"
#include "settings/gif_radio_groups.h"

namespace nimbrel {

SaveRequest saveRequestFromSettings(const SettingsValues& v)
{
    auto index = [&v](const std::string& key) { return static_cast<int>(controlNumber(v, key)); };
    SaveRequest r;
    r.outputDir = v.text(setting_key::kOutputDir);
    r.saveBmp = v.boolean(setting_key::kSaveBmp);
    r.saveGif = v.boolean(setting_key::kSaveGif);
    r.savePng = v.boolean(setting_key::kSavePng);
    r.transparent = v.boolean(setting_key::kTransparent);
    r.transparentColor = static_cast<Color>(controlNumber(v, setting_key::kTransparentColor));
    r.scales = {1};
    if (v.boolean(setting_key::kSave2x)) r.scales.push_back(2);
    if (v.boolean(setting_key::kSave3x)) r.scales.push_back(3);
    r.gifCompression = gifCompressionAt(index(setting_key::kGifCompression));
    r.dithering = ditherMethodAt(index(setting_key::kDithering));
    r.colorReduction = colorReductionAt(index(setting_key::kColorReduction));
    r.reductionBits = reductionBitsAt(index(setting_key::kReductionBits));
    return r;
}

}  // namespace nimbrel
