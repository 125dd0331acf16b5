// Tunnel for the `shader` effect: the view down a textured tube whose walls are
// uTexture0, moving forward with uTime. The camera's look-at point steers the vanishing
// point and its field of view sets how wide the tube appears, so a keyframed camera
// path flies the tunnel. Uses uTime, uResolution, uTexture0, uCameraPos, uCameraLookAt
// and uCameraFov.
#version 120

uniform float uTime;
uniform vec2 uResolution;
uniform sampler2D uTexture0;
uniform vec3 uCameraPos;
uniform vec3 uCameraLookAt;
uniform float uCameraFov;

void main() {
    vec2 p = (gl_TexCoord[0].xy - 0.5) * vec2(uResolution.x / uResolution.y, 1.0) * 2.0;
    vec3 direction = uCameraLookAt - uCameraPos;
    // Steer by the look-at direction; a camera looking straight down -z sees the centre.
    p -= direction.xy / max(abs(direction.z), 0.001) * 0.5;
    p *= tan(radians(clamp(uCameraFov, 10.0, 150.0)) * 0.5) * 2.0;
    float radius = max(length(p), 0.001);
    float angle = atan(p.y, p.x) / 3.14159;
    vec2 wall = vec2(0.5 / radius + uTime * 0.6 + uCameraPos.z * 0.05,
                     angle + uTime * 0.05);
    vec3 colour = texture2D(uTexture0, wall).rgb;
    // Dark in the distance, bright near the viewer.
    colour *= clamp(radius * 1.4, 0.0, 1.0);
    gl_FragColor = vec4(colour, 1.0);
}
