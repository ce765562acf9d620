#include "tools/jpeg_metadata.h"

#include <cmath>

// An Exif block: identifier, then a little TIFF with orientation, resolution and software.
Bytes ExifBlock()
{
    const std::string software = "make-resources";
    constexpr int Entries = 5;
    uint32_t dataOffset = 8 + 2 + Entries * 12 + 4; // TIFF header, count, entries, next IFD
    Bytes tiff;
    PutText(tiff, "II");
    PutLe(tiff, 42, 2);
    PutLe(tiff, 8, 4);
    PutLe(tiff, Entries, 2);
    // Entries in tag order: tag, type (3 short, 5 rational, 2 ASCII), count, value or offset.
    PutLe(tiff, 0x0112, 2), PutLe(tiff, 3, 2), PutLe(tiff, 1, 4), PutLe(tiff, 1, 4);
    PutLe(tiff, 0x011A, 2), PutLe(tiff, 5, 2), PutLe(tiff, 1, 4), PutLe(tiff, dataOffset, 4);
    PutLe(tiff, 0x011B, 2), PutLe(tiff, 5, 2), PutLe(tiff, 1, 4), PutLe(tiff, dataOffset + 8, 4);
    PutLe(tiff, 0x0128, 2), PutLe(tiff, 3, 2), PutLe(tiff, 1, 4), PutLe(tiff, 2, 4);
    PutLe(tiff, 0x0131, 2), PutLe(tiff, 2, 2), PutLe(tiff, software.size() + 1, 4), PutLe(tiff, dataOffset + 16, 4);
    PutLe(tiff, 0, 4);
    for (int resolution = 0; resolution < 2; ++resolution)
        PutLe(tiff, 72, 4), PutLe(tiff, 1, 4);
    PutText(tiff, software);
    tiff.push_back(0);

    Bytes out;
    PutText(out, std::string("Exif\0\0", 6));
    out.insert(out.end(), tiff.begin(), tiff.end());
    return out;
}

// An XMP packet naming the picture.
Bytes XmpBlock()
{
    Bytes out;
    PutText(out, std::string("http://ns.adobe.com/xap/1.0/\0", 29));
    PutText(out, "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                 "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                 " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                 "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                 "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Rank table background</rdf:li>"
                 "</rdf:Alt></dc:title>\n"
                 "  </rdf:Description>\n"
                 " </rdf:RDF>\n"
                 "</x:xmpmeta>\n"
                 "<?xpacket end=\"r\"?>");
    return out;
}

// A small ICC v2 display profile: sRGB primaries adapted to D50, gamma 2.2.
static Bytes IccProfile()
{
    // s15Fixed16 number.
    auto fixed = [](Bytes& out, double v) { PutBe(out, static_cast<uint32_t>(std::lround(v * 65536)), 4); };
    auto xyz = [&](double x, double y, double z) {
        Bytes tag;
        PutText(tag, "XYZ ");
        PutBe(tag, 0, 4);
        fixed(tag, x), fixed(tag, y), fixed(tag, z);
        return tag;
    };
    Bytes desc;
    const std::string name = "Dark sRGB-like";
    PutText(desc, "desc");
    PutBe(desc, 0, 4);
    PutBe(desc, name.size() + 1, 4);
    PutText(desc, name);
    desc.push_back(0);
    PutBe(desc, 0, 4), PutBe(desc, 0, 4); // no Unicode description
    PutBe(desc, 0, 2), desc.push_back(0); // no ScriptCode description
    desc.resize(desc.size() + 67, 0);
    Bytes text;
    PutText(text, "text");
    PutBe(text, 0, 4);
    PutText(text, "No copyright, use freely");
    text.push_back(0);
    Bytes curve;
    PutText(curve, "curv");
    PutBe(curve, 0, 4);
    PutBe(curve, 1, 4);
    PutBe(curve, 0x0233, 2); // gamma 2.2 as u8Fixed8

    struct Tag {
        const char* signature;
        Bytes data;
    };
    std::vector<Tag> tags = {
        {"desc", desc},
        {"cprt", text},
        {"wtpt", xyz(0.9642, 1.0, 0.8249)},
        {"rXYZ", xyz(0.4361, 0.2225, 0.0139)},
        {"gXYZ", xyz(0.3851, 0.7169, 0.0971)},
        {"bXYZ", xyz(0.1431, 0.0606, 0.7141)},
        {"rTRC", curve},
        {"gTRC", curve},
        {"bTRC", curve},
    };

    Bytes table, data;
    uint32_t offset = 128 + 4 + 12 * tags.size();
    for (const Tag& tag : tags) {
        while ((offset + data.size()) % 4)
            data.push_back(0);
        PutText(table, tag.signature);
        PutBe(table, offset + data.size(), 4);
        PutBe(table, tag.data.size(), 4);
        data.insert(data.end(), tag.data.begin(), tag.data.end());
    }
    while (data.size() % 4)
        data.push_back(0);

    Bytes out;
    PutBe(out, offset + data.size(), 4);
    PutBe(out, 0, 4); // preferred CMM
    PutBe(out, 0x02100000, 4);
    PutText(out, "mntrRGB XYZ ");
    for (int field : {2024, 1, 1, 0, 0, 0})
        PutBe(out, field, 2);
    PutText(out, "acsp");
    out.resize(out.size() + 24, 0); // platform, flags, manufacturer, model, attributes
    PutBe(out, 0, 4);               // rendering intent: perceptual
    fixed(out, 0.9642), fixed(out, 1.0), fixed(out, 0.8249);
    out.resize(128, 0); // creator and reserved bytes
    PutBe(out, tags.size(), 4);
    out.insert(out.end(), table.begin(), table.end());
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// The profile as an APP2 payload: one chunk of one.
Bytes IccBlock()
{
    Bytes out;
    PutText(out, std::string("ICC_PROFILE\0", 12));
    out.push_back(1);
    out.push_back(1);
    Bytes profile = IccProfile();
    out.insert(out.end(), profile.begin(), profile.end());
    return out;
}

// An APP13 Photoshop block carrying one IPTC record with a caption.
Bytes PhotoshopBlock()
{
    const std::string caption = "Dark map background";
    Bytes iptc = {0x1C, 2, 0, 0, 2, 0, 4, 0x1C, 2, 120}; // record version 4, then the caption's tag
    PutBe(iptc, caption.size(), 2);
    PutText(iptc, caption);
    if (iptc.size() % 2)
        iptc.push_back(0);

    Bytes out;
    PutText(out, std::string("Photoshop 3.0\0", 14));
    PutText(out, "8BIM");
    PutBe(out, 0x0404, 2);
    PutBe(out, 0, 2); // empty name, padded to even length
    PutBe(out, iptc.size(), 4);
    out.insert(out.end(), iptc.begin(), iptc.end());
    return out;
}
