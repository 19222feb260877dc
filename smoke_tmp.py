import os, time, sys
from tests.bed import Desktop, Program, ROOT, Screen, wait_for
d = Desktop().start()
try:
    pic = d.probe.open("Picture", 220, 300, 400, 300, seed=21)
    p = Program(d, os.path.abspath(sys.argv[1]), os.path.join(ROOT, "assets"))
    p.wait_ready()
    time.sleep(0.5)
    d.probe.send(p.checklist, 0x111, 0)
    d.probe.foreground(pic)
    time.sleep(1)
    m = lambda: [(h, t, v) for h, v, c, t in d.probe.top() if c.startswith(b"Mirror")]
    print("before", m(), d.probe.rows(p.checklist)[0]["check"])
    d.probe.post(d.probe.find(title="Picture ")[0], 0x10, 0, 0); time.sleep(1); print("after mirror close", m(), p.proc.poll(), d.probe.rows(p.checklist)[0]["check"])
    d.probe.post(d.probe.find(title="WallPaper")[0], 0x10, 0, 0); time.sleep(1); print("after wp close", m(), p.proc.poll(), d.probe.find("WallPaper"))
    d.probe.post(d.probe.find(title="VantoscopeButton")[0], 0x10, 0, 0); time.sleep(1); print("after button close", m(), p.proc.poll(), d.probe.find("VantoscopeButton"))
    d.probe.foreground(d.probe.find("VantoscopeButton")[0]); d.xdotool("key", "alt+F4"); time.sleep(1)
    d.probe.foreground(pic); time.sleep(1)
    print("after alt+f4", m(), p.proc.poll(), d.probe.find("VantoscopeButton"), d.probe.rows(p.checklist)[0]["check"])
    print(p.tail(5))
    print(p.close())
finally:
    d.stop()
