// Glow: the scene drawn into a surface, with a soft halo around its bright parts that
// breathes with time. Channel 0 is the scene.
void mainImage(out vec4 fragColor, in vec2 fragCoord) {
    vec2 uv = fragCoord / iResolution.xy;
    vec3 scene = texture(iChannel0, uv).rgb;
    vec3 halo = vec3(0.0);
    float total = 0.0;
    for (int i = -3; i <= 3; ++i) {
        for (int j = -3; j <= 3; ++j) {
            vec2 offset = vec2(float(i), float(j)) * 7.0 / iResolution.xy;
            float weight = exp(-float(i * i + j * j) / 6.0);
            vec3 c = texture(iChannel0, clamp(uv + offset, 0.0, 1.0)).rgb;
            halo += max(c - 0.4, 0.0) * weight;
            total += weight;
        }
    }
    float breath = 0.8 + 0.4 * sin(iTime * 2.0);
    fragColor = vec4(scene + halo / total * 3.5 * breath, 1.0);
}
