// Pictures through QImage: which files become bitmaps and which icons, the
// HIMETRIC size from the image's resolution, the first frame of a GIF,
// pictures in saved forms, and images that are refused.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QJsonObject>
#include <QTemporaryDir>

#include <vemmix/host/Pictures.h>
#include <vemmix/host/PropertySet.h>

#include "HostTestSupport.h"

namespace vemmix::hosttest {
namespace {

using host::PictureKind;

// A w x h image, red at the top left and blue elsewhere, at `dpi`.
QImage Sample(int w, int h, QImage::Format format, int dpi, int alpha = 255) {
    QImage image(w, h, format);
    image.fill(QColor(0, 0, 255, alpha));
    image.setPixelColor(0, 0, QColor(255, 0, 0, alpha));
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

QString Save(const QTemporaryDir& dir, const QImage& image, const char* format) {
    const QString path = dir.filePath(QStringLiteral("sample.") + QLatin1String(format));
    EXPECT_TRUE(image.save(path, format)) << format;
    return path;
}

PictureRef Load(const QString& path, PictureKind kind = PictureKind::FromImage) {
    QString error;
    PictureRef picture = host::LoadPicture(path, &error, kind);
    EXPECT_TRUE(picture) << Str(path) << ": " << Str(error);
    return picture;
}

std::uint32_t BitmapPixel(const StdPicture& picture, int x, int y) {
    const gdi::PixelView view = gdi::GetBitmapPixels(picture.bitmap);
    return view.pixels[static_cast<std::size_t>(y) * view.width + x];
}

struct TypeCase {
    const char* format;
    QImage::Format imageFormat;
    PictureType expected;
};
void PrintTo(const TypeCase& c, std::ostream* out) { *out << c.format; }

class PictureTypeRule : public ::testing::TestWithParam<TypeCase> {};

TEST_P(PictureTypeRule, ByFormatAndAlpha) {
    QTemporaryDir dir;
    const TypeCase& c = GetParam();
    const QImage image = Sample(4, 3, c.imageFormat, 96);
    const PictureRef picture = Load(Save(dir, image, c.format));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->type, c.expected) << c.format;
    if (c.expected == PictureType::Bitmap) {
        if (std::string(c.format) == "jpg") {
            // lossy: near the colours, the fourth byte 0 all the same
            EXPECT_EQ(BitmapPixel(*picture, 3, 2) >> 24, 0u);
            EXPECT_GT(BitmapPixel(*picture, 3, 2) & 0xFF, 0xC0u);
        } else {
            EXPECT_EQ(BitmapPixel(*picture, 0, 0), 0x00FF0000u);  // red, fourth byte 0
            EXPECT_EQ(BitmapPixel(*picture, 3, 2), 0x000000FFu);
        }
    } else {
        ASSERT_EQ(picture->icon.width, 4);
        EXPECT_TRUE(picture->icon.hasAlpha);
        EXPECT_EQ(picture->icon.pixels[0], 0xFFFF0000u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, PictureTypeRule,
    ::testing::Values(TypeCase{"png", QImage::Format_RGB32, PictureType::Bitmap},
                      TypeCase{"png", QImage::Format_ARGB32, PictureType::Icon},
                      TypeCase{"bmp", QImage::Format_RGB32, PictureType::Bitmap},
                      TypeCase{"jpg", QImage::Format_RGB32, PictureType::Bitmap},
                      TypeCase{"ico", QImage::Format_RGB32, PictureType::Icon}),
    [](const auto& info) {
        return std::string(info.param.format) + (info.param.imageFormat == QImage::Format_ARGB32 ? "Alpha" : "");
    });

TEST(Pictures, AGifGivesItsFirstFrame) {
    const PictureRef picture = Load(DataPath(QStringLiteral("forms/pictures/two-frames.gif")));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->type, PictureType::Bitmap);
    EXPECT_EQ(BitmapPixel(*picture, 0, 0), 0x00FF0000u);  // the red frame, not the blue one
    // a GIF with a transparent colour has an alpha channel: an icon
    const PictureRef transparent = Load(DataPath(QStringLiteral("forms/pictures/transparent.gif")));
    ASSERT_TRUE(transparent);
    EXPECT_EQ(transparent->type, PictureType::Icon);
    EXPECT_EQ(transparent->icon.pixels[0] >> 24, 0u);
}

TEST(Pictures, HimetricComesFromTheImagesResolution) {
    QTemporaryDir dir;
    const PictureRef at72 = Load(Save(dir, Sample(10, 20, QImage::Format_RGB32, 72), "png"));
    EXPECT_EQ(at72->widthHimetric, HimetricFromPixels(10, 72));
    EXPECT_EQ(at72->heightHimetric, HimetricFromPixels(20, 72));
    EXPECT_EQ(at72->widthHimetric, 353);
    const PictureRef at300 = Load(Save(dir, Sample(10, 20, QImage::Format_RGB32, 300), "bmp"));
    EXPECT_EQ(at300->widthHimetric, HimetricFromPixels(10, 300));
    // a PNG without a resolution is taken at 96 dpi
    const PictureRef none = Load(DataPath(QStringLiteral("forms/pictures/disc.png")));
    EXPECT_EQ(none->widthHimetric, HimetricFromPixels(20, 96));
    EXPECT_EQ(none->widthHimetric, 529);
}

TEST(Pictures, TheKindCanBeNamed) {
    const QString disc = DataPath(QStringLiteral("forms/pictures/disc.png"));
    EXPECT_EQ(Load(disc, PictureKind::Icon)->type, PictureType::Icon);
    const PictureRef bitmap = Load(DataPath(QStringLiteral("forms/pictures/tick.png")), PictureKind::Bitmap);
    EXPECT_EQ(bitmap->type, PictureType::Bitmap);
}

TEST(Pictures, ImagesThatCannotBeTakenAreRefusedWithAReason) {
    QString error;
    EXPECT_FALSE(host::DecodePicture("not an image", "png", &error));
    EXPECT_EQ(error, QStringLiteral("not a PNG image"));
    EXPECT_FALSE(host::DecodePicture("BM", nullptr, &error));
    EXPECT_EQ(error, QStringLiteral("not an image (Unable to read image data)"));
    // a PNG that is a valid BMP is still not a PNG
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    Sample(2, 2, QImage::Format_RGB32, 96).save(&buffer, "BMP");
    EXPECT_FALSE(host::DecodePicture(bmp, "png", &error));
    EXPECT_TRUE(host::DecodePicture(bmp, "bmp", &error));
    // too many pixels: refused before decoding
    QTemporaryDir dir;
    const QString wide = Save(dir, QImage(4097, 1, QImage::Format_RGB32), "png");
    EXPECT_FALSE(host::LoadPicture(wide, &error));
    EXPECT_EQ(error, QStringLiteral("4097 x 1 pixels is more than a picture may have (4096 a side, 16777216 in all)"));
    EXPECT_FALSE(host::LoadPicture(dir.path(), &error));
    EXPECT_FALSE(host::LoadPicture(dir.filePath(QStringLiteral("none.png")), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("cannot be opened"))) << Str(error);
}

TEST(Pictures, ImagesComeBackFromPictures) {
    const QImage image = Sample(5, 4, QImage::Format_ARGB32, 96, 128);
    const PictureRef icon = host::PictureFromImage(image, true);
    const QImage back = host::ImageFromPicture(*icon);
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
    const PictureRef bitmap = host::PictureFromImage(image, false, 120, 120);
    EXPECT_EQ(bitmap->widthHimetric, HimetricFromPixels(5, 120));
    EXPECT_EQ(qRound(host::ImageFromPicture(*bitmap).dotsPerMeterX() * 0.0254), 120);
    EXPECT_TRUE(host::ImageFromPicture(*MakeEmptyPicture()).isNull());
}

// A picture a form did not read (made in code, or derived by the button)
// is saved as PNG data, with its HIMETRIC size when the PNG does not say it.
TEST(Pictures, APictureMadeInCodeIsSavedAsPngAndReadBack) {
    const std::uint32_t pixels[6] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF, 0x00000000, 0x00808080};
    const PictureRef picture = MakeBitmapPicture(3, 2, pixels);
    picture->widthHimetric = 1000;  // a size no resolution gives exactly
    host::PropertySet set;
    host::JsonPropertyBag bag(set, nullptr, nullptr);
    ASSERT_EQ(bag.WriteProperty(u"Picture", Variant(picture), Variant(PictureRef{})), 0);
    const QJsonObject json = set.Find(u"Picture")->value.toObject();
    EXPECT_EQ(json.value(QStringLiteral("type")).toString(), QStringLiteral("bitmap"));
    EXPECT_TRUE(json.contains(QStringLiteral("png")));
    EXPECT_EQ(json.value(QStringLiteral("widthHimetric")).toInt(), 1000);
    EXPECT_FALSE(json.contains(QStringLiteral("heightHimetric")));  // 2 pixels at 96 dpi

    host::PropertySet again{};
    again.Set({QStringLiteral("Picture"), json, nullptr});
    host::JsonPropertyBag reader(again, nullptr, nullptr);
    const Variant read = reader.ReadProperty(u"Picture", Variant()).value_or(Variant());
    const PictureRef back = *read.get_if<PictureRef>();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->widthHimetric, 1000);
    EXPECT_EQ(back->heightHimetric, picture->heightHimetric);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(BitmapPixel(*back, i % 3, i / 3), pixels[i]);
}

// A loaded picture reaches the button's window.
TEST(Pictures, AFormsPictureIsDrawn) {
    host::HostOptions options;
    options.deterministicText = true;
    std::unique_ptr<host::HostedForm> form = Host(Parse(R"({"format": "vemmix-form", "version": 1,
        "form": {"width": 100, "height": 40},
        "controls": [{"class": "Vemmix.Zorvane", "name": "cmdA", "left": 0, "top": 0, "width": 80, "height": 30,
                      "properties": {"Appearance": 0, "Caption": "", "Picture": {"type": "bitmap", "file": "pictures/disc.png"}}}]})",
                                                      DataPath(QStringLiteral("forms"))),
                                                options);
    ASSERT_TRUE(form);
    const QImage image = form->RenderControl(u"cmdA", host::ControlState::Released);
    int disc = 0, magenta = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            disc += Rgb(image, x, y) == 0x1E64C8;
            magenta += Rgb(image, x, y) == 0xFF00FF;
        }
    EXPECT_GT(disc, 100);
    EXPECT_EQ(magenta, 0);  // the mask colour is see-through
}

}  // namespace
}  // namespace vemmix::hosttest
