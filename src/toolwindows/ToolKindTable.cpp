// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolKindTable.h"

#include "CompressView.h"
#include "CropView.h"
#include "ImageCompressView.h"
#include "ImageResizeView.h"
#include "Localization.h"
#include "SnapshotView.h"
#include "SpeedView.h"
#include "SplitView.h"
#include "TrimView.h"

namespace karvo {

namespace {
template <typename View>
ToolView* make(const QList<ToolFile>& files, const ToolServices& services)
{
    return new View(files, services);
}
} // namespace

ToolKindTable::Entry ToolKindTable::entry(ToolKind kind)
{
    switch (kind) {
    case ToolKind::compressVideo:
        return {KV_TRANSLATE_NOOP("Compress Video"), {480, 340}, &make<CompressView>};
    case ToolKind::compressImage:
        return {KV_TRANSLATE_NOOP("Compress Image"), {420, 380}, &make<ImageCompressView>};
    case ToolKind::resizeImage:
        return {KV_TRANSLATE_NOOP("Resize Image"), {420, 380}, &make<ImageResizeView>};
    case ToolKind::trim:
        return {KV_TRANSLATE_NOOP("Trim Video"), {560, 520}, &make<TrimView>};
    case ToolKind::crop:
        return {KV_TRANSLATE_NOOP("Crop Video"), {560, 700}, &make<CropView>};
    case ToolKind::speed:
        return {KV_TRANSLATE_NOOP("Change Speed"), {560, 480}, &make<SpeedView>};
    case ToolKind::snapshot:
        return {KV_TRANSLATE_NOOP("Snapshot"), {560, 520}, &make<SnapshotView>};
    case ToolKind::split:
        return {KV_TRANSLATE_NOOP("Split Video"), {480, 300}, &make<SplitView>};
    }
    return {"", {}, nullptr};
}

} // namespace karvo
