// Feedback: the effect's previous frame (channel 0, `self`), turned and drawn in a little
// and darkened, under three moving lights, so each light leaves a spiralling trail.
void mainImage(out vec4 fragColor, in vec2 fragCoord) {
    vec2 uv = fragCoord / iResolution.xy;
    float angle = 0.03;
    mat2 turn = mat2(cos(angle), sin(angle), -sin(angle), cos(angle));
    vec2 from = clamp(turn * (uv - 0.5) * 0.97 + 0.5, 0.0, 1.0);
    vec3 previous = texture(iChannel0, from).rgb * 0.94;
    vec3 light = vec3(0.0);
    for (int i = 0; i < 3; ++i) {
        float t = iTime * (0.9 + 0.35 * float(i)) + float(i) * 2.1;
        vec2 at = vec2(0.5 + 0.33 * cos(t), 0.5 + 0.3 * sin(t * 1.3));
        vec2 d = (uv - at) * vec2(iResolution.x / iResolution.y, 1.0);
        vec3 colour = i == 0 ? vec3(1.0, 0.45, 0.2) : i == 1 ? vec3(0.3, 1.0, 0.5)
                                                             : vec3(0.35, 0.5, 1.0);
        light += smoothstep(0.04, 0.0, length(d)) * colour;
    }
    fragColor = vec4(min(previous + light, 1.0), 1.0);
}
