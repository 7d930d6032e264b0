// Full-range ("J420", as many dash cams write) YUV 4:2:0 to RGB, ITU-R BT.601.
varying vec3 m_color;
varying vec2 m_texcoord;
uniform sampler2D smp1;
uniform sampler2D smp2;
uniform sampler2D smp3;

void main()
{
    vec3 yuv;
    yuv.x = texture2D(smp1, m_texcoord).r;
    yuv.y = texture2D(smp2, m_texcoord).r;
    yuv.z = texture2D(smp3, m_texcoord).r;
    yuv += vec3(0.0, -0.501960814, -0.501960814);
    vec3 rgb;
    rgb.r = yuv.x + 1.402 * yuv.z;
    rgb.g = yuv.x - 0.344136 * yuv.y - 0.714136 * yuv.z;
    rgb.b = yuv.x + 1.772 * yuv.y;
    // The tiny colour term keeps the "color" attribute in the linked program.
    gl_FragColor = vec4(rgb, 1.0) + vec4(m_color, 1.0) * 0.0001;
}
