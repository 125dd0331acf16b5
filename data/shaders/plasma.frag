// Plasma for the `shader` effect: four interfering sine fields, coloured by a cosine
// palette and tinted by uTexture0 (sampled with the same coordinates, so a texture
// shows through the plasma). Uses uTime, uResolution, uMouse and uTexture0.
#version 120

uniform float uTime;
uniform vec2 uResolution;
uniform vec2 uMouse;
uniform sampler2D uTexture0;

void main() {
    vec2 uv = gl_TexCoord[0].xy;
    vec2 p = (uv - 0.5) * vec2(uResolution.x / uResolution.y, 1.0) * 6.0;
    float t = uTime * 0.8;
    float v = sin(p.x + t);
    v += sin((p.y + t) * 0.5);
    v += sin((p.x + p.y + t) * 0.5);
    vec2 c = p + vec2(sin(t / 3.0), cos(t / 2.0)) * 3.0 + (uMouse - 0.5) * 4.0;
    v += sin(sqrt(dot(c, c) + 1.0) + t);
    v *= 0.5;
    vec3 colour = 0.5 + 0.5 * cos(3.14159 * v + vec3(0.0, 2.1, 4.2));
    vec3 picture = texture2D(uTexture0, uv + 0.05 * vec2(sin(t + uv.y * 6.0), 0.0)).rgb;
    gl_FragColor = vec4(mix(colour, colour * picture * 1.6, 0.5), 1.0);
}
