// Model files written byte by byte for the tests, in each format the mesh effect must read:
// glTF 2.0 (.gltf with a .bin buffer, and .glb), OBJ with MTL, PLY, 3DS and ASCII FBX. Each
// holds one mesh given as corners, texture coordinates and triangles, with a base colour
// or a texture; no normals, so the reader must make them.
#pragma once

#include "ImageBytes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

struct ModelGeometry {
    std::vector<float> positions; // x, y, z per corner
    std::vector<float> uvs;       // u, v per corner, v up
    std::vector<uint16_t> triangles;
    size_t cornerCount() const { return positions.size() / 3; }
};

// A cube of edge 2 around the origin, four corners per face, counter-clockwise from outside.
inline ModelGeometry cubeGeometry() {
    ModelGeometry g;
    const float faces[6][3][3] = {
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    };
    for (const auto& f : faces) {
        const uint16_t base = static_cast<uint16_t>(g.cornerCount());
        const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
        for (const auto& c : corners) {
            for (int k = 0; k < 3; ++k)
                g.positions.push_back(f[0][k] + c[0] * f[1][k] + c[1] * f[2][k]);
            g.uvs.push_back((c[0] + 1) / 2);
            g.uvs.push_back((c[1] + 1) / 2);
        }
        for (uint16_t i : {0, 1, 2, 0, 2, 3})
            g.triangles.push_back(static_cast<uint16_t>(base + i));
    }
    return g;
}

// A square of side `2 * half` in the z = 0 plane facing +z, texture 0..1 across it.
inline ModelGeometry quadGeometry(float half) {
    ModelGeometry g;
    g.positions = {-half, -half, 0, half, -half, 0, half, half, 0, -half, half, 0};
    g.uvs = {0, 0, 1, 0, 1, 1, 0, 1};
    g.triangles = {0, 1, 2, 0, 2, 3};
    return g;
}

struct ModelLook {
    float colour[4] = {1, 1, 1, 1};
    std::string textureFile; // a picture by file name, or ""
    Bytes embeddedPng;       // a picture inside the file (glb), or empty
};

inline std::string numbers(const float* values, size_t count, const char* separator = ",") {
    std::string out;
    char number[32];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(number, sizeof number, "%s%g", i ? separator : "", values[i]);
        out += number;
    }
    return out;
}

// ---- glTF 2.0 ----

// The buffer and JSON parts of a glTF file; `nodes` and `animations` are JSON arrays, the
// mesh is mesh 0. Extra data for animations goes through addFloats.
class GltfBuilder {
public:
    GltfBuilder(const ModelGeometry& g, const ModelLook& look) : look_(look) {
        float low[3] = {1e9f, 1e9f, 1e9f}, high[3] = {-1e9f, -1e9f, -1e9f};
        for (size_t i = 0; i < g.positions.size(); ++i) {
            low[i % 3] = std::min(low[i % 3], g.positions[i]);
            high[i % 3] = std::max(high[i % 3], g.positions[i]);
        }
        const int positions = addFloats(g.positions, "VEC3", numbers(low, 3), numbers(high, 3));
        std::vector<float> flipped = g.uvs; // glTF counts v from the top of the picture
        for (size_t i = 1; i < flipped.size(); i += 2) flipped[i] = 1.0f - flipped[i];
        const int uvs = addFloats(flipped, "VEC2");
        const int indices = addAccessor(g.triangles.data(), g.triangles.size() * 2, 5123,
                                        g.triangles.size(), "SCALAR", 34963);
        mesh_ = "{\"primitives\":[{\"attributes\":{\"POSITION\":" + std::to_string(positions) +
                (look.textureFile.empty() && look.embeddedPng.empty()
                     ? ""
                     : ",\"TEXCOORD_0\":" + std::to_string(uvs)) +
                "},\"indices\":" + std::to_string(indices) + ",\"material\":0}]}";
        if (!look.embeddedPng.empty()) {
            const int view = addView(look.embeddedPng.data(), look.embeddedPng.size(), 0);
            image_ = "{\"bufferView\":" + std::to_string(view) + ",\"mimeType\":\"image/png\"}";
        } else if (!look.textureFile.empty()) {
            image_ = "{\"uri\":\"" + look.textureFile + "\"}";
        }
    }

    int addFloats(const std::vector<float>& values, const char* type, const std::string& min = "",
                  const std::string& max = "") {
        const size_t width = type[3] == '3' ? 3 : type[3] == '2' ? 2 : type[3] == '4' ? 4 : 1;
        const int accessor =
            addAccessor(values.data(), values.size() * 4, 5126, values.size() / width, type, 0);
        if (!min.empty())
            accessors_.back().insert(accessors_.back().size() - 1,
                                     ",\"min\":[" + min + "],\"max\":[" + max + "]");
        return accessor;
    }

    // The JSON, its buffer named `bufferUri` ("" for the .glb's own binary chunk).
    std::string json(const std::string& nodes, const std::string& animations,
                     const std::string& bufferUri) const {
        std::string material = "{\"pbrMetallicRoughness\":{\"baseColorFactor\":[" +
                               numbers(look_.colour, 4) + "],\"metallicFactor\":0";
        if (!image_.empty()) material += ",\"baseColorTexture\":{\"index\":0}";
        material += "}}";
        std::string out =
            "{\"asset\":{\"version\":\"2.0\"},\"scene\":0,\"scenes\":[{\"nodes\":[0]}],"
            "\"nodes\":" +
            nodes + ",\"meshes\":[" + mesh_ + "],\"materials\":[" + material + "]";
        if (!image_.empty()) out += ",\"images\":[" + image_ + "],\"textures\":[{\"source\":0}]";
        if (!animations.empty()) out += ",\"animations\":" + animations;
        out += ",\"buffers\":[{\"byteLength\":" + std::to_string(bin_.size()) +
               (bufferUri.empty() ? "" : ",\"uri\":\"" + bufferUri + "\"") + "}]";
        out +=
            ",\"bufferViews\":[" + joined(views_) + "],\"accessors\":[" + joined(accessors_) + "]}";
        return out;
    }

    const Bytes& bin() const { return bin_; }

    // A .glb: the JSON and binary chunks behind the 12-byte header.
    std::string glb(const std::string& nodes, const std::string& animations) const {
        std::string text = json(nodes, animations, "");
        while (text.size() % 4) text += ' ';
        Bytes out(12, 0);
        Bytes chunk(8, 0);
        putU32(chunk, 0, uint32_t(text.size()));
        putU32(chunk, 4, 0x4E4F534A);
        append(out, chunk);
        out.insert(out.end(), text.begin(), text.end());
        putU32(chunk, 0, uint32_t(bin_.size()));
        putU32(chunk, 4, 0x004E4942);
        append(out, chunk);
        append(out, bin_);
        putU32(out, 0, 0x46546C67);
        putU32(out, 4, 2);
        putU32(out, 8, uint32_t(out.size()));
        return asString(out);
    }

private:
    int addView(const void* data, size_t bytes, int target) {
        while (bin_.size() % 4) bin_.push_back(0);
        const size_t offset = bin_.size();
        const auto* from = static_cast<const uint8_t*>(data);
        bin_.insert(bin_.end(), from, from + bytes);
        while (bin_.size() % 4) bin_.push_back(0);
        views_.push_back("{\"buffer\":0,\"byteOffset\":" + std::to_string(offset) +
                         ",\"byteLength\":" + std::to_string(bytes) +
                         (target ? ",\"target\":" + std::to_string(target) : "") + "}");
        return int(views_.size() - 1);
    }
    int addAccessor(const void* data, size_t bytes, int componentType, size_t count,
                    const char* type, int target) {
        const int view = addView(data, bytes, target);
        accessors_.push_back("{\"bufferView\":" + std::to_string(view) +
                             ",\"componentType\":" + std::to_string(componentType) +
                             ",\"count\":" + std::to_string(count) + ",\"type\":\"" + type + "\"}");
        return int(accessors_.size() - 1);
    }
    static std::string joined(const std::vector<std::string>& items) {
        std::string out;
        for (const std::string& item : items) out += (out.empty() ? "" : ",") + item;
        return out;
    }

    ModelLook look_;
    Bytes bin_;
    std::vector<std::string> views_, accessors_;
    std::string mesh_, image_;
};

// ---- OBJ with MTL ----

inline std::string objFile(const ModelGeometry& g, const std::string& mtlName) {
    std::string out = "mtllib " + mtlName + "\no model\n";
    for (size_t i = 0; i < g.cornerCount(); ++i)
        out += "v " + numbers(&g.positions[i * 3], 3, " ") + "\nvt " +
               numbers(&g.uvs[i * 2], 2, " ") + "\n";
    out += "usemtl look\n";
    for (size_t t = 0; t < g.triangles.size(); t += 3) {
        out += "f";
        for (size_t k = 0; k < 3; ++k) {
            const std::string n = std::to_string(g.triangles[t + k] + 1);
            out += " " + n + "/" + n;
        }
        out += "\n";
    }
    return out;
}

inline std::string mtlFile(const ModelLook& look) {
    std::string out = "newmtl look\nKd " + numbers(look.colour, 3, " ") + "\nd " +
                      numbers(&look.colour[3], 1) + "\n";
    if (!look.textureFile.empty()) out += "map_Kd " + look.textureFile + "\n";
    return out;
}

// ---- PLY (ASCII), the colour as vertex colours: PLY has no materials ----

inline std::string plyFile(const ModelGeometry& g, const ModelLook& look) {
    std::string out = "ply\nformat ascii 1.0\n";
    if (!look.textureFile.empty()) out += "comment TextureFile " + look.textureFile + "\n";
    out += "element vertex " + std::to_string(g.cornerCount()) +
           "\nproperty float x\nproperty float y\nproperty float z\n";
    out += look.textureFile.empty()
               ? "property uchar red\nproperty uchar green\nproperty uchar blue\n"
               : "property float texture_u\nproperty float texture_v\n";
    out += "element face " + std::to_string(g.triangles.size() / 3) +
           "\nproperty list uchar int vertex_indices\nend_header\n";
    for (size_t i = 0; i < g.cornerCount(); ++i) {
        out += numbers(&g.positions[i * 3], 3, " ");
        if (look.textureFile.empty()) {
            for (int k = 0; k < 3; ++k)
                out += " " + std::to_string(int(look.colour[k] * 255 + 0.5f));
        } else {
            out += " " + numbers(&g.uvs[i * 2], 2, " ");
        }
        out += "\n";
    }
    for (size_t t = 0; t < g.triangles.size(); t += 3)
        out += "3 " + std::to_string(g.triangles[t]) + " " + std::to_string(g.triangles[t + 1]) +
               " " + std::to_string(g.triangles[t + 2]) + "\n";
    return out;
}

// ---- 3DS: nested chunks of a 16-bit id and a 32-bit length that counts the header ----

inline Bytes chunk3ds(uint16_t id, const Bytes& body) {
    Bytes out(6, 0);
    putU16(out, 0, id);
    putU32(out, 2, uint32_t(body.size() + 6));
    append(out, body);
    return out;
}

inline Bytes text3ds(const std::string& text) {
    Bytes out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

inline void putFloat(Bytes& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    const size_t at = out.size();
    out.resize(at + 4);
    putU32(out, at, bits);
}

inline std::string file3ds(const ModelGeometry& g, const ModelLook& look) {
    Bytes colour;
    for (int k = 0; k < 3; ++k) colour.push_back(uint8_t(look.colour[k] * 255 + 0.5f));
    Bytes material = chunk3ds(0xA000, text3ds("look"));
    append(material, chunk3ds(0xA020, chunk3ds(0x0011, colour)));
    if (!look.textureFile.empty())
        append(material, chunk3ds(0xA200, chunk3ds(0xA300, text3ds(look.textureFile))));

    Bytes points(2, 0), uvs(2, 0), faces(2, 0);
    putU16(points, 0, uint16_t(g.cornerCount()));
    putU16(uvs, 0, uint16_t(g.cornerCount()));
    for (size_t i = 0; i < g.cornerCount(); ++i) {
        // 3DS stands on z: its z is the y the tests look along.
        putFloat(points, g.positions[i * 3]);
        putFloat(points, -g.positions[i * 3 + 2]);
        putFloat(points, g.positions[i * 3 + 1]);
        putFloat(uvs, g.uvs[i * 2]);
        putFloat(uvs, g.uvs[i * 2 + 1]);
    }
    const size_t faceCount = g.triangles.size() / 3;
    putU16(faces, 0, uint16_t(faceCount));
    Bytes group = text3ds("look");
    group.resize(group.size() + 2);
    putU16(group, group.size() - 2, uint16_t(faceCount));
    for (size_t f = 0; f < faceCount; ++f) {
        for (int k = 0; k < 3; ++k) {
            faces.resize(faces.size() + 2);
            putU16(faces, faces.size() - 2, g.triangles[f * 3 + k]);
        }
        faces.resize(faces.size() + 2); // face flags
        group.resize(group.size() + 2);
        putU16(group, group.size() - 2, uint16_t(f));
    }
    append(faces, chunk3ds(0x4130, group));
    // Smoothing groups, as a modeller writes a box: a group of its own for each side (each
    // pair of triangles), so no normal is shared across an edge.
    Bytes smoothing;
    for (size_t f = 0; f < faceCount; ++f) {
        smoothing.resize(smoothing.size() + 4);
        putU32(smoothing, smoothing.size() - 4, 1u << (f / 2 % 32));
    }
    append(faces, chunk3ds(0x4150, smoothing));
    Bytes mesh = chunk3ds(0x4110, points);
    append(mesh, chunk3ds(0x4140, uvs));
    append(mesh, chunk3ds(0x4120, faces));
    Bytes object = text3ds("model");
    append(object, chunk3ds(0x4100, mesh));
    Bytes editor = chunk3ds(0xAFFF, material);
    append(editor, chunk3ds(0x4000, object));
    Bytes version(4, 0);
    putU32(version, 0, 3);
    Bytes main = chunk3ds(0x0002, version);
    append(main, chunk3ds(0x3D3D, editor));
    return asString(chunk3ds(0x4D4D, main));
}

// ---- FBX 7.4, ASCII ----

inline std::string fbxFile(const ModelGeometry& g, const ModelLook& look) {
    std::string indices, uvIndices;
    for (size_t t = 0; t < g.triangles.size(); ++t) {
        const int index = g.triangles[t];
        // The last corner of each polygon is written as -(index + 1).
        indices += (t ? "," : "") + std::to_string(t % 3 == 2 ? -index - 1 : index);
        uvIndices += (t ? "," : "") + std::to_string(index);
    }
    std::string out =
        "; FBX 7.4.0 project file\n"
        "FBXHeaderExtension:  {\n\tFBXHeaderVersion: 1003\n\tFBXVersion: 7400\n}\n"
        "GlobalSettings:  {\n\tVersion: 1000\n\tProperties70:  {\n"
        "\t\tP: \"UnitScaleFactor\", \"double\", \"Number\", \"\",1\n\t}\n}\n"
        "Objects:  {\n"
        "\tGeometry: 1000, \"Geometry::model\", \"Mesh\" {\n"
        "\t\tVertices: *" +
        std::to_string(g.positions.size()) +
        " {\n\t\t\ta: " + numbers(g.positions.data(), g.positions.size()) +
        "\n\t\t}\n"
        "\t\tPolygonVertexIndex: *" +
        std::to_string(g.triangles.size()) + " {\n\t\t\ta: " + indices +
        "\n\t\t}\n"
        "\t\tGeometryVersion: 124\n"
        "\t\tLayerElementUV: 0 {\n\t\t\tVersion: 101\n\t\t\tName: \"map\"\n"
        "\t\t\tMappingInformationType: \"ByPolygonVertex\"\n"
        "\t\t\tReferenceInformationType: \"IndexToDirect\"\n"
        "\t\t\tUV: *" +
        std::to_string(g.uvs.size()) + " {\n\t\t\t\ta: " + numbers(g.uvs.data(), g.uvs.size()) +
        "\n\t\t\t}\n"
        "\t\t\tUVIndex: *" +
        std::to_string(g.triangles.size()) + " {\n\t\t\t\ta: " + uvIndices +
        "\n\t\t\t}\n\t\t}\n"
        "\t\tLayerElementMaterial: 0 {\n\t\t\tVersion: 101\n\t\t\tName: \"\"\n"
        "\t\t\tMappingInformationType: \"AllSame\"\n"
        "\t\t\tReferenceInformationType: \"IndexToDirect\"\n"
        "\t\t\tMaterials: *1 {\n\t\t\t\ta: 0\n\t\t\t}\n\t\t}\n"
        "\t\tLayer: 0 {\n\t\t\tVersion: 100\n"
        "\t\t\tLayerElement:  {\n\t\t\t\tType: \"LayerElementUV\"\n\t\t\t\tTypedIndex: 0\n\t\t\t}\n"
        "\t\t\tLayerElement:  {\n\t\t\t\tType: \"LayerElementMaterial\"\n\t\t\t\tTypedIndex: 0\n"
        "\t\t\t}\n\t\t}\n\t}\n"
        "\tModel: 2000, \"Model::model\", \"Mesh\" {\n\t\tVersion: 232\n"
        "\t\tProperties70:  {\n\t\t}\n\t}\n"
        "\tMaterial: 3000, \"Material::look\", \"\" {\n\t\tVersion: 102\n"
        "\t\tShadingModel: \"lambert\"\n\t\tProperties70:  {\n"
        "\t\t\tP: \"DiffuseColor\", \"Color\", \"\", \"A\"," +
        numbers(look.colour, 3) +
        "\n"
        "\t\t\tP: \"DiffuseFactor\", \"Number\", \"\", \"A\",1\n"
        "\t\t}\n\t}\n";
    if (!look.textureFile.empty())
        out += "\tTexture: 4000, \"Texture::picture\", \"\" {\n\t\tType: \"TextureVideoClip\"\n"
               "\t\tVersion: 202\n\t\tTextureName: \"Texture::picture\"\n"
               "\t\tFileName: \"" +
               look.textureFile + "\"\n\t\tRelativeFilename: \"" + look.textureFile + "\"\n\t}\n";
    out += "}\nConnections:  {\n\tC: \"OO\",2000,0\n\tC: \"OO\",1000,2000\n\tC: \"OO\",3000,2000\n";
    if (!look.textureFile.empty()) out += "\tC: \"OP\",4000,3000, \"DiffuseColor\"\n";
    out += "}\n";
    return out;
}
