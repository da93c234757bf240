' A two-second greeting: a frame, a text that fades in, a picture, a chime
' and a button that replays the movie. Sizes in twips (20 per pixel).
Set movie = CreateObject("Vectrel.swfMovie")
movie.SetSize 8400, 3600
movie.SetFrameRate 15

Set frame = CreateObject("Vectrel.swfObject")
frame.MakeRectangle 100, 100, 8300, 3500
frame.SetRadialFill 255, 250, 230, 255, 250, 200, 120, 255
frame.SetLineWidth 60
frame.SetLineColor 120, 60, 20, 255
frame.SetDepth 0
movie.AddObject frame

Set picture = CreateObject("Vectrel.swfObject")
picture.MakePicture 6100, 1100, 8019, 2539, 160, 120, "picture.jpg"
movie.AddObject picture

Set chime = CreateObject("Vectrel.swfObject")
chime.MakeSound "chime.wav"
movie.AddObject chime

Set text = CreateObject("Vectrel.swfObject")
text.MakeTextSimple "Liberation Sans", "Happy Birthday!", 500, 1300, 760
text.SetDepth 2

' Fade the text in over the first ten frames.
movie.GotoFrame 0
text.SetSolidFill 200, 30, 30, 25
movie.AddObject text
movie.GotoFrame 5
movie.RemoveObject text
text.SetSolidFill 200, 30, 30, 128
movie.AddObject text
movie.GotoFrame 10
movie.RemoveObject text
text.SetSolidFill 200, 30, 30, 255
movie.AddObject text

Set face = CreateObject("Vectrel.swfObject")
face.MakeCircle 1400, 2800, 400
face.SetSolidFill 60, 140, 60, 255
Set replay = CreateObject("Vectrel.swfAction")
replay.MakeActionGotoFrame 0
Set button = CreateObject("Vectrel.swfObject")
button.MakeButtonSimple face, 40, 40, 40, 0, -40, -40, -40, 0
button.QueueEvent replay, 6
movie.GotoFrame 10
movie.AddObject button

Set stop = CreateObject("Vectrel.swfAction")
stop.MakeActionStop
movie.GotoFrame 29
movie.AddAction stop

movie.WriteMovie "greeting.swf"
Print "greeting.swf written"
