// Enumerations of the 3D model's appearance records.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

// How the bytes of a graphical image are encoded: a file format, or raw pixels row by row.
KELVARA_ENUMERATION(CGraphicalImageFormat,
                    (Unknown, 0, "Unknown"),
                    (Bitmap, 1, "BMP"),
                    (Jpeg, 2, "JPEG"),
                    (Png, 3, "PNG"),
                    (Targa, 4, "TGA"),
                    (Tiff, 5, "TIFF"),
                    (Gif, 6, "GIF"),
                    (Dds, 7, "DDS"),
                    (Hdr, 8, "HDR"),
                    (RawRGB, 9, "Raw RGB"),
                    (RawRGBA, 10, "Raw RGBA"))
